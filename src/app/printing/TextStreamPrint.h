#pragma once

#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QString;
class QWidget;

namespace app {

// Prints lines on the printer as a plain-text stream (see layoutTextStream): one print job, which starts
// and ends even when there are no lines. A printer that fails ends the print-out with an error.
void printTextStream(QPrinter& printer, const QStringList& lines);

// Asks for a printer in the print dialog, then prints the text area's lines as it shows them, as a job of
// that name. A cancelled dialog prints nothing.
void printTextArea(QWidget* owner, const QPlainTextEdit& memo, const QString& jobName);

} // namespace app
