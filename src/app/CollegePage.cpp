#include "CollegePage.h"

#include "ui_CollegePage.h"

CollegePage::CollegePage(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CollegePage>())
{
    ui->setupUi(this);
}

CollegePage::~CollegePage() = default;
