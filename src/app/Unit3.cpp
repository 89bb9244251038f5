#include "Unit3.h"

#include "WindowPlacement.h"
#include "ui_Unit3.h"

TAmortSch::TAmortSch(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TAmortSch>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    setAttribute(Qt::WA_QuitOnClose, false);
}

TAmortSch::~TAmortSch() = default;

void TAmortSch::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    shell::centreOnScreen(this);
}
