#include "About.h"

#include "ProgramIcon.h"
#include "WindowPlacement.h"
#include "ui_About.h"

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormAbout>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowIcon(shell::programIcon());
    connect(ui->ButtonAboutOK, &QPushButton::clicked, this, [this] { ButtonAboutOKClick(); });
}

TFormAbout::~TFormAbout() = default;

void TFormAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shell::centreOnScreen(this);
}

void TFormAbout::ButtonAboutOKClick()
{
    close();
}
