#include "Unit5.h"

#include "WindowPlacement.h"
#include "ui_Unit5.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TForm5>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
}

TForm5::~TForm5() = default;

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed) {
        placed = true;
        shell::centreOnScreen(this);
    }
}
