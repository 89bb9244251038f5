#include "SavingsPage.h"

#include "ui_SavingsPage.h"

SavingsPage::SavingsPage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::SavingsPage>())
{
    ui->setupUi(this);
}

SavingsPage::~SavingsPage() = default;
