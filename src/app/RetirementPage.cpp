#include "RetirementPage.h"

#include "ui_RetirementPage.h"

RetirementPage::RetirementPage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RetirementPage>())
{
    ui->setupUi(this);
}

RetirementPage::~RetirementPage() = default;
