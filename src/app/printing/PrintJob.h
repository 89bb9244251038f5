#pragma once

class QPainter;
class QPrinter;

namespace app {

// One print job drawn with a painter. Each step the printer reports as failed raises an error, which ends the
// print-out there and shows in the application error box; pages finished before it stay printed.

// Begins the job on the printer.
void beginPrintJob(QPainter& painter, QPrinter& printer);
// Starts the job's next page.
void nextPrintedPage(QPainter& painter, QPrinter& printer);
// Ends the job, which sends it to the printer; a print system that refuses or fails the job (a queue that does
// not accept jobs) is a failure too.
void endPrintJob(QPainter& painter, QPrinter& printer);

} // namespace app
