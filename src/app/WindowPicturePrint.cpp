#include "WindowPicturePrint.h"

#include "Dialogs.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>
#include <stdexcept>

namespace shell {
namespace {

int scaled(int pixels, int printerDpi, int screenDpi)
{
    // Rounded to the nearest dot, halves away from zero, in integers so nothing is lost on the way.
    const long long numerator = 2LL * pixels * printerDpi;
    const long long denominator = 2LL * screenDpi;
    return static_cast<int>((numerator + screenDpi) / denominator);
}

} // namespace

QSize printedPictureSize(QSize pixels, Resolution printer, Resolution screen)
{
    if (screen.x <= 0 || screen.y <= 0)
        throw std::runtime_error("The screen reports no resolution");
    return { scaled(pixels.width(), printer.x, screen.x), scaled(pixels.height(), printer.y, screen.y) };
}

void printWidgetPicture(QPrinter& printer, QWidget* widget)
{
    const QPixmap picture = widget->grab();
    const QSize size = printedPictureSize(widget->size(), { printer.logicalDpiX(), printer.logicalDpiY() },
        { widget->logicalDpiX(), widget->logicalDpiY() });
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The printer could not start the print job");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    if (!painter.end())
        throw std::runtime_error("The printer could not finish the print job");
}

void printWindowPicture(QWidget* owner, QWidget* clientArea)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    printWidgetPicture(printer, clientArea);
}

} // namespace shell
