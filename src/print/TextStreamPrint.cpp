#include "TextStreamPrint.h"

#include "Dialogs.h"
#include "MemoLines.h"
#include "TextStreamLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace shell {
namespace {

// The stream's font: plain Arial, as a report reads best on paper.
QFont streamFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

} // namespace

void printTextStream(QPrinter& printer, const QStringList& lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The printer could not start the print job");
    painter.setFont(streamFont());
    const QFontMetrics fontMetrics = painter.fontMetrics();
    const TextStreamMetrics metrics { fontMetrics.height(), fontMetrics.averageCharWidth(),
        [&fontMetrics](const QString& text) { return fontMetrics.horizontalAdvance(text); } };

    const std::vector<PrintedPage> pages = layoutTextStream(lines, metrics, QSize(printer.width(), printer.height()));
    bool firstPage = true;
    for (const PrintedPage& page : pages) {
        if (!firstPage && !printer.newPage()) {
            painter.end();
            throw std::runtime_error("The printer could not start a new page");
        }
        firstPage = false;
        for (const PlacedText& placed : page)
            painter.drawText(placed.x, placed.top + fontMetrics.ascent(), placed.text);
    }
    if (!painter.end())
        throw std::runtime_error("The printer could not finish the print job");
}

void printTextArea(QWidget* owner, const QPlainTextEdit& memo, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    printTextStream(printer, displayedLines(memo));
}

} // namespace shell
