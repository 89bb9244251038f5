#include "Dialogs.h"

#include "ApplicationTitle.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
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
