#include "printing/TextStreamPrint.h"

#include "dialogs/Dialogs.h"
#include "printing/MemoLines.h"
#include "printing/PrintJob.h"
#include "printing/TextStreamLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <vector>

namespace app {
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
    beginPrintJob(painter, printer);
    painter.setFont(streamFont());
    const QFontMetrics fontMetrics = painter.fontMetrics();
    const TextStreamMetrics metrics { fontMetrics.height(), fontMetrics.averageCharWidth(),
        [&fontMetrics](const QString& text) { return fontMetrics.horizontalAdvance(text); } };

    const std::vector<PrintedPage> pages = layoutTextStream(lines, metrics, QSize(printer.width(), printer.height()));
    bool firstPage = true;
    for (const PrintedPage& page : pages) {
        if (!firstPage)
            nextPrintedPage(painter, printer);
        firstPage = false;
        for (const PlacedText& placed : page)
            painter.drawText(placed.x, placed.top + fontMetrics.ascent(), placed.text);
    }
    endPrintJob(painter, printer);
}

void printTextArea(QWidget* owner, const QPlainTextEdit& memo, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    printTextStream(printer, displayedLines(memo));
}

} // namespace app
