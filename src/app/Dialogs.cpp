#include "Dialogs.h"

#include "ApplicationTitle.h"
#include "PrintModule.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace shell {
namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
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
        return printing().showPrintDialog(parent, printer);
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
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
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

} // namespace shell
