#pragma once

#include "calculators/CsvText.h"
#include "printing/PrintLayouts.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QTableWidget;
class QWidget;

namespace app {

// The fields as typed that a CSV begins with; none for a grid that stands alone.
using CsvInputs = std::vector<calculators::CsvInput>;

// The inputs, then the grid row by row, headings first, as records ended by CR LF in UTF-8, separated as the
// regional settings have it (calculators/CsvText, which the command line prints with too).
QByteArray csvText(const GridTexts& grid, const CsvInputs& inputs = {});

// Writes a temporary file in the target's folder and renames it over the target only once it is complete,
// so a failed write leaves any earlier file as it was. False, with the reason, when it fails.
bool saveFileWhole(const QString& path, const QByteArray& content, QString& reason);

// Adds "Save as CSV…" to a grid's context menu: asks for a file in the save dialog, suggesting the given
// name, and writes the inputs that `inputs` gives, when given, and the grid's texts as shown. A failure is a
// warning naming the file. The action is returned, so that a button can trigger it too.
QAction* addCsvExport(QMenu& menu, QTableWidget& grid, QWidget* owner, const QString& suggestedName,
    std::function<CsvInputs()> inputs = {});

} // namespace app
