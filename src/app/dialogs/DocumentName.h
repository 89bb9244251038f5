#pragma once

#include <QString>

class QWidget;

namespace app {

// What a window's CSV and print-outs are called: "Corvanta Amortization Schedule", the program's name and the
// window's title. A page of the main window goes by its tab's title, since the main window's own title names
// the publisher. A PDF printer offers the print job's name as the file name, so both follow the one pattern.
QString documentName(const QWidget& shown);

// The name the save dialog suggests for a window's CSV: "Corvanta Amortization Schedule.csv".
QString csvFileName(const QWidget& shown);

} // namespace app
