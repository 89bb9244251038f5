#include "printing/PrintJob.h"

#include <QLibrary>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace app {
namespace {

// What the print system answered to the job just sent, when it refused or failed it; empty otherwise.
// Qt's CUPS print engine hands the job to CUPS as the painter ends and drops the answer: a queue that refuses
// jobs leaves QPainter::end() true and the printer's state Idle. The answer stays behind as the CUPS
// library's last error (per thread: the engine sends the job on this one), read from the library Qt loaded.
QString printSystemRefusal()
{
    static QLibrary cups(QStringLiteral("cups"), 2);
    const auto lastError = reinterpret_cast<int (*)()>(cups.resolve("cupsLastError"));
    const auto lastErrorText = reinterpret_cast<const char* (*)()>(cups.resolve("cupsLastErrorString"));
    // IPP status codes from 0x0400 up are client and server errors ("not accepting jobs" is 0x0506).
    constexpr int firstError = 0x0400;
    if (!lastError || !lastErrorText || lastError() < firstError)
        return {};
    return QString::fromUtf8(lastErrorText());
}

} // namespace

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
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    const QString refusal = printSystemRefusal();
    if (!refusal.isEmpty())
        throw std::runtime_error("The print system did not take the print job: " + refusal.toStdString());
}

} // namespace app
