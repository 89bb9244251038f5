#include "printing/Printing.h"

#include "dialogs/Dialogs.h"
#include "printing/DevicePrint.h"
#include "printing/PrintJob.h"
#include "printing/TextStreamPrint.h"
#include "printing/WindowPicturePrint.h"

#include <QPainter>
#include <QPrinter>

namespace app {

void printPages(QWidget* owner, const std::vector<DevicePage>& pages, PrintJobs jobs, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    if (jobs == PrintJobs::JobPerPage)
        printJobs(printer, pages);
    else
        printDocument(printer, pages);
}

void printDrawing(QWidget* owner, const QString& jobName, const std::function<void(QPainter&)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!dialogs().choosePrinter(owner, printer))
        return;
    QPainter painter;
    beginPrintJob(painter, printer);
    draw(painter);
    endPrintJob(painter, printer);
}

} // namespace app
