// The door into the print module: the program resolves this one function by name.
#include "DevicePrint.h"
#include "Dialogs.h"
#include "PrintJob.h"
#include "PrintModule.h"
#include "TextStreamPrint.h"
#include "WindowPicturePrint.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Every print-out prints all its pages, so the dialog offers no page range, current page or selection.
class AllPagesPrintDialog final : public QPrintDialog
{
public:
    AllPagesPrintDialog(QPrinter& printer, QWidget* parent)
        : QPrintDialog(&printer, parent)
    {
        setOption(QAbstractPrintDialog::PrintPageRange, false);
        setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        setOption(QAbstractPrintDialog::PrintSelection, false);
    }

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        // Built with CUPS, Qt's own dialog shows its print range group all the same ("Pages from", "Pages",
        // odd or even pages) and leaves the choice to the print server: a print-out to a file would still print
        // every page, and a schedule's one-page jobs would print nothing. The group goes, so every page prints.
        if (visible)
            if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange")))
                range->hide();
    }
};

bool showPrintDialog(QWidget* parent, QPrinter& printer)
{
    AllPagesPrintDialog dialog(printer, parent);
    shell::prepareSystemDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void printPages(
    QWidget* owner, const std::vector<shell::DevicePage>& pages, shell::PrintJobs jobs, const QString& jobName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!shell::dialogs().choosePrinter(owner, printer))
        return;
    if (jobs == shell::PrintJobs::JobPerPage)
        shell::printJobs(printer, pages);
    else
        shell::printDocument(printer, pages);
}

void printDrawing(QWidget* owner, const QString& jobName, const std::function<void(QPainter&)>& draw)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobName);
    if (!shell::dialogs().choosePrinter(owner, printer))
        return;
    QPainter painter;
    shell::beginPrintJob(painter, printer);
    draw(painter);
    shell::endPrintJob(painter, printer);
}

const shell::PrintEntries entries { showPrintDialog, shell::printWindowPicture, shell::printTextArea, printPages,
    printDrawing };

} // namespace

extern "C" Q_DECL_EXPORT const shell::PrintEntries* corvantaPrintEntries()
{
    return &entries;
}
