#pragma once

#include "DevicePage.h"

#include <functional>
#include <vector>

class QPainter;
class QPlainTextEdit;
class QPrinter;
class QString;
class QWidget;

namespace shell {

// How printed pages go to the printer: one document, or each page as a print job of its own (output to a
// file still gets one document, since every job would overwrite the file).
enum class PrintJobs {
    OneDocument,
    JobPerPage,
};

// Everything that prints lives in a module of its own, so that start-up neither maps nor relocates Qt's
// printing library. The module offers these under the name "corvantaPrintEntries". Each one that asks for a
// printer does so through dialogs().choosePrinter, and a cancelled dialog prints nothing. The job name is what
// the print queue lists the job as (and the file a print-out to a file is first offered). A printer that fails
// raises an error, which ends the print-out where it was; pages finished before stay printed.
struct PrintEntries
{
    // The system print dialog, for the real dialogs: false when the user cancels.
    bool (*showPrintDialog)(QWidget* parent, QPrinter& printer);
    // Asks for a printer, then prints a picture of the client area exactly as shown, on one page.
    void (*printWindowPicture)(QWidget* owner, QWidget* clientArea, const QString& jobName);
    // Asks for a printer, then prints the text area's lines as it shows them, as a plain-text stream.
    void (*printTextArea)(QWidget* owner, const QPlainTextEdit& memo, const QString& jobName);
    // Asks for a printer, then prints the pages at their device positions. A job per page is named after its
    // page: "<job name>, page 2 of 3".
    void (*printPages)(QWidget* owner, const std::vector<DevicePage>& pages, PrintJobs jobs, const QString& jobName);
    // Asks for a printer, then lets draw paint one page; the painter's viewport is the printable area.
    void (*printDrawing)(QWidget* owner, const QString& jobName, const std::function<void(QPainter&)>& draw);
};

// The print module's entries, loaded the first time; a module that cannot be loaded raises an error that
// names it.
const PrintEntries& printing();

} // namespace shell
