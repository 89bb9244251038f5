#include "printing/Printing.h"

#include "printing/DevicePrint.h"
#include "printing/PrintJob.h"
#include "printing/TextStreamPrint.h"
#include "printing/WindowPicturePrint.h"
#include "shell/Dialogs.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace app {
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

} // namespace

bool showPrintDialog(QWidget* parent, QPrinter& printer)
{
    AllPagesPrintDialog dialog(printer, parent);
    prepareSystemDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

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
