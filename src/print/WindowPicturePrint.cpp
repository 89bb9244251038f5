#include "WindowPicturePrint.h"

#include "Dialogs.h"
#include "PrintedPictureSize.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>
#include <stdexcept>

namespace shell {

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

void printWindowPicture(QWidget* owner, QWidget* clientArea, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    printWidgetPicture(printer, clientArea);
}

} // namespace shell
