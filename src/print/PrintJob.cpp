#include "PrintJob.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace shell {

void beginPrintJob(QPainter& painter, QPrinter& printer)
{
    if (!painter.begin(&printer))
        throw std::runtime_error("The printer could not start the print job");
}

void nextPrintedPage(QPainter& painter, QPrinter& printer)
{
    if (!printer.newPage()) {
        painter.end();
        throw std::runtime_error("The printer could not start a new page");
    }
}

void endPrintJob(QPainter& painter, QPrinter& printer)
{
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw std::runtime_error("The printer could not finish the print job");
}

} // namespace shell
