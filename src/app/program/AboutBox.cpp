#include "program/AboutBox.h"

#include "dialogs/GuardedHandler.h"
#include "program/ProgramIcon.h"
#include "ui_AboutBox.h"
#include "widgets/WindowPlacement.h"

namespace app {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutBox>())
{
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(programIcon());
    connect(ui->OkButton, &QPushButton::clicked, this, guarded(this, [this] { okButtonClicked(); }));
}

AboutBox::~AboutBox() = default;

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeOnScreen(this);
}

void AboutBox::okButtonClicked()
{
    close();
}

} // namespace app
