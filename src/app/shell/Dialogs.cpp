#include "shell/Dialogs.h"

#include "printing/Printing.h"
#include "shell/ApplicationTitle.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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
    bool choosePrinter(QWidget* parent, QPrinter& printer) override { return showPrintDialog(parent, printer); }
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
