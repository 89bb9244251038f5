#include "dialogs/Dialogs.h"

#include "dialogs/ApplicationTitle.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStandardPaths>

namespace app {

void prepareSystemDialog(QWidget& dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    // An owner's style sheet reaches its child windows too (the matrix sets bold labels and buttons); the
    // dialog's own sheet wins over inherited ones, so it restores the application's font.
    const QFont font = QApplication::font();
    const QString size = font.pointSizeF() > 0 ? QString::number(font.pointSizeF()) + QStringLiteral("pt")
                                               : QString::number(font.pixelSize()) + QStringLiteral("px");
    dialog.setStyleSheet(
        QStringLiteral("* { font: %1 %2 \"%3\"; }")
            .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"), size, font.family()));
}

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

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    prepareSystemDialog(box);
    // What the user typed may reach a message: it is shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

class QtDialogs final : public Dialogs
{
public:
    void warning(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
    }
    void information(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Information, QStringLiteral("Information"), text);
    }
    void error(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Critical, applicationTitle(), text);
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer) override
    {
        AllPagesPrintDialog dialog(printer, parent);
        prepareSystemDialog(dialog);
        return dialog.exec() == QDialog::Accepted;
    }
    QString chooseSaveFile(
        QWidget* parent, const QString& caption, const QString& suggestedName, const QString& filter) override
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QFileDialog dialog(parent, caption, QDir(folder).filePath(suggestedName), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension gets the one the suggested name has.
        dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
        prepareSystemDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter) override
    {
        QFileDialog dialog(
            parent, caption, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        prepareSystemDialog(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    Unsaved askAboutUnsaved(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, applicationTitle(), text,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        prepareSystemDialog(box);
        box.setTextFormat(Qt::PlainText);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Unsaved::Save;
        case QMessageBox::Discard:
            return Unsaved::Discard;
        default:
            return Unsaved::Cancel;
        }
    }
};

QtDialogs realDialogs;
Dialogs* current = &realDialogs;

} // namespace

Dialogs& dialogs()
{
    return *current;
}

void installDialogs(Dialogs* replacement)
{
    current = replacement ? replacement : &realDialogs;
}

} // namespace app
