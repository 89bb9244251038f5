#pragma once

#include "printing/DevicePage.h"

#include <functional>
#include <vector>

class QPainter;
class QPlainTextEdit;
class QString;
class QWidget;

namespace app {

// How printed pages go to the printer: one document, or each page as a print job of its own (output to a
// file still gets one document, since every job would overwrite the file).
enum class PrintJobs {
    OneDocument,
    JobPerPage,
};

// Every print-out asks for a printer through dialogs().choosePrinter first, and a cancelled dialog prints
// nothing. The job name is what the print queue lists the job as (and the file a print-out to a file is first
// offered). A printer that fails raises an error, which ends the print-out where it was; pages finished before
// stay printed.

// Asks for a printer, then prints the pages at their device positions. A job per page is named after its page:
// "<job name>, page 2 of 3".
void printPages(QWidget* owner, const std::vector<DevicePage>& pages, PrintJobs jobs, const QString& jobName);
// Asks for a printer, then lets draw paint one page; the painter's viewport is the printable area.
void printDrawing(QWidget* owner, const QString& jobName, const std::function<void(QPainter&)>& draw);

} // namespace app
