#include "DevicePrint.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace shell {
namespace {

constexpr qreal basicResolution = 300;
constexpr qreal finestResolution = 1200;

// Positions are fixed in device units while text keeps its size in inches: the resolution at which
// every text ends inside the printable area.
void fitResolution(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    printer.setResolution(static_cast<int>(basicResolution));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    const QFontMetricsF metrics(QApplication::font(), &printer);
    const qreal unitsPerInch = printer.resolution();
    qreal needed = basicResolution;
    const auto require = [&needed](qreal position, qreal room) {
        if (room > 0)
            needed = std::max(needed, position / room);
    };
    for (const DevicePage& page : pages)
        for (const DeviceText& text : page) {
            require(text.x, area.width() - metrics.horizontalAdvance(text.text) / unitsPerInch);
            require(text.y, area.height() - metrics.height() / unitsPerInch);
        }
    printer.setResolution(static_cast<int>(std::ceil(std::min(needed, finestResolution))));
}

void draw(QPainter& painter, const DevicePage& page)
{
    const qreal ascent = painter.fontMetrics().ascent();
    for (const DeviceText& text : page)
        painter.drawText(QPointF(text.x, text.y + ascent), text.text);
}

bool printFitted(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        draw(painter, pages[index]);
        if (!painter.isActive())
            return false;
    }
    return painter.end();
}

} // namespace

bool printDocument(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    fitResolution(printer, pages);
    return printFitted(printer, pages);
}

bool printJobs(QPrinter& printer, const std::vector<DevicePage>& pages)
{
    if (!printer.outputFileName().isEmpty())
        return printDocument(printer, pages);
    fitResolution(printer, pages);
    for (const DevicePage& page : pages)
        if (!printFitted(printer, { page }))
            return false;
    return true;
}

} // namespace shell
