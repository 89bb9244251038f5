#include "printing/DevicePrint.h"

#include "printing/PrintJob.h"
#include "printing/PrintLayouts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace app {
namespace {

constexpr qreal basicResolution = 300;
constexpr qreal finestResolution = 1200;

// Positions and the font are both in device units, so the pages take the same room at every resolution: the
// coarsest resolution at which every text ends inside the printable area.
void fitResolution(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    printer.setResolution(static_cast<int>(basicResolution));
    const QFontMetricsF metrics(devicePageFont(), &printer);
    qreal right = 0;
    qreal bottom = 0;
    for (const DevicePage& page : pages)
        for (const DeviceText& text : page) {
            right = std::max(right, text.rightAligned ? text.x : text.x + metrics.horizontalAdvance(text.text));
            bottom = std::max(bottom, text.y + metrics.height());
        }
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    qreal needed = basicResolution;
    if (area.width() > 0 && area.height() > 0)
        needed = std::max({ needed, right / area.width(), bottom / area.height() });
    printer.setResolution(static_cast<int>(std::ceil(std::min(needed, finestResolution))));
}

void draw(QPainter& painter, const DevicePage& page)
{
    const QFontMetricsF metrics = painter.fontMetrics();
    const qreal ascent = metrics.ascent();
    for (const DeviceText& text : page) {
        const qreal left = text.rightAligned ? text.x - metrics.horizontalAdvance(text.text) : text.x;
        painter.drawText(QPointF(left, text.y + ascent), text.text);
    }
}

void printFitted(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    QPainter painter;
    beginPrintJob(painter, printer);
    painter.setFont(devicePageFont());
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0)
            nextPrintedPage(painter, printer);
        draw(painter, pages[index]);
    }
    endPrintJob(painter, printer);
}

} // namespace

void printDocument(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    fitResolution(printer, pages);
    printFitted(printer, pages);
}

void printJobs(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    if (!printer.outputFileName().isEmpty()) {
        printDocument(printer, pages);
        return;
    }
    fitResolution(printer, pages);
    const QString name = printer.docName();
    for (std::size_t index = 0; index < pages.size(); ++index) {
        printer.setDocName(QStringLiteral("%1, page %2 of %3").arg(name).arg(index + 1).arg(pages.size()));
        printFitted(printer, { pages[index] });
    }
}

} // namespace app
