#include "widgets/GridCsv.h"

#include "calculators/CsvText.h"
#include "dialogs/Dialogs.h"
#include "dialogs/GuardedHandler.h"
#include "fields/Regional.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSaveFile>
#include <QTableWidget>
#include <utility>

namespace app {

QByteArray csvText(const GridTexts& grid, const CsvInputs& inputs)
{
    calculators::TextGrid texts;
    texts.reserve(grid.size());
    for (const QStringList& row : grid) {
        auto& cells = texts.emplace_back();
        for (const QString& cell : row)
            cells.push_back(cell.toStdString());
    }
    return QByteArray::fromStdString(calculators::csvText(texts, regional(), inputs));
}

bool saveFileWhole(const QString& path, const QByteArray& content, QString& reason)
{
    QSaveFile file(path);
    // Unbuffered, so that every short write is seen here: a buffered flush that fills the disk part way
    // loses the error, and the shortened file would be committed as if whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    for (qint64 written = 0; written < content.size();) {
        const qint64 step = file.write(content.constData() + written, content.size() - written);
        if (step <= 0) {
            reason = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += step;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

QAction* addCsvExport(
    QMenu& menu, QTableWidget& grid, QWidget* owner, const QString& suggestedName, std::function<CsvInputs()> inputs)
{
    QAction* save = menu.addAction(QStringLiteral("Save as CSV\u2026"));
    save->setObjectName(QStringLiteral("SaveCsvAction"));
    QObject::connect(
        save, &QAction::triggered, owner, guarded(owner, [&grid, owner, suggestedName, inputs = std::move(inputs)] {
            const QString path = dialogs().chooseSaveFile(
                owner, QStringLiteral("Save as CSV"), suggestedName, QStringLiteral("CSV files (*.csv)"));
            if (path.isEmpty())
                return;
            QString reason;
            if (!saveFileWhole(path, csvText(gridTexts(grid), inputs ? inputs() : CsvInputs()), reason))
                // One arg() call with both texts, so that a "%" in the file name is never read as a placeholder.
                dialogs().warning(owner,
                    QStringLiteral(
                        "The file \"%1\" could not be saved: %2. Any earlier file of that name is unchanged.")
                        .arg(QDir::toNativeSeparators(path), reason));
        }));
    return save;
}

} // namespace app
