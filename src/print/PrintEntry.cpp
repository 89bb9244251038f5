// The door into the print module: the program resolves this one function by name.
#include "DevicePrint.h"
#include "Dialogs.h"
#include "PrintModule.h"
#include "TextStreamPrint.h"
#include "WindowPicturePrint.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

bool showPrintDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void printPages(QWidget* owner, const std::vector<shell::DevicePage>& pages, shell::PrintJobs jobs)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!shell::dialogs().choosePrinter(owner, printer))
        return;
    if (jobs == shell::PrintJobs::JobPerPage)
        shell::printJobs(printer, pages);
    else
        shell::printDocument(printer, pages);
}

const shell::PrintEntries entries { showPrintDialog, shell::printWindowPicture, shell::printTextArea, printPages };

} // namespace

extern "C" Q_DECL_EXPORT const shell::PrintEntries* corvantaPrintEntries()
{
    return &entries;
}
