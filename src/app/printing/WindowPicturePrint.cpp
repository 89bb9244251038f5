#include "printing/WindowPicturePrint.h"

#include "dialogs/Dialogs.h"
#include "printing/PrintJob.h"
#include "printing/PrintedPictureSize.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace app {

void printWidgetPicture(QPrinter& printer, QWidget* widget)
{
    const QPixmap picture = widget->grab();
    const QSize size = printedPictureSize(widget->size(), { printer.logicalDpiX(), printer.logicalDpiY() },
        { widget->logicalDpiX(), widget->logicalDpiY() });
    QPainter painter;
    beginPrintJob(painter, printer);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    endPrintJob(painter, printer);
}

void printWindowPicture(QWidget* owner, QWidget* clientArea, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    printWidgetPicture(printer, clientArea);
}

} // namespace app
