#include "RefinancePage.h"

#include "ui_RefinancePage.h"

RefinancePage::RefinancePage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RefinancePage>())
{
    ui->setupUi(this);
}

RefinancePage::~RefinancePage() = default;
