#include "loan/PrepaymentWindow.h"

#include "calculators/loan/Prepayment.h"
#include "dialogs/GuardedHandler.h"
#include "fields/EnterKey.h"
#include "fields/FieldAssistance.h"
#include "fields/FieldControls.h"
#include "ui_PrepaymentWindow.h"
#include "widgets/WindowPlacement.h"

#include <QAction>

namespace app {

namespace {

const auto extraPaymentHelp
    = QStringLiteral("This is an amount that you will make in addition to your monthly payment.");
const auto startMonthHelp
    = QStringLiteral("The month that you will start paying an additional amount to your payment.");

} // namespace

PrepaymentWindow::PrepaymentWindow(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PrepaymentWindow>())
{
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->setupUi(this);
    setFixedSize(size());

    connect(ui->CalculateButton, &QPushButton::clicked, this, guarded(this, [this] { calculateButtonClicked(); }));
    connect(ui->CloseButton, &QPushButton::clicked, this, guarded(this, [this] { closeButtonClicked(); }));
    // Esc closes the window as Close does, like the schedule's and the matrix's cancel buttons.
    connect(ui->CloseAction, &QAction::triggered, this, guarded(this, [this] { closeButtonClicked(); }));
    new EnterKey(this, [this] { return this; });
    new FieldAssistance(this,
        {
            { ui->ExtraPaymentEdit, selectFirst(10), extraPaymentHelp },
            { ui->StartMonthEdit, selectFirst(5), startMonthHelp },
        });
}

PrepaymentWindow::~PrepaymentWindow() = default;

void PrepaymentWindow::setLoan(const calculators::FieldTexts& texts)
{
    loan = texts;
}

const std::optional<calculators::PrepaymentInput>& PrepaymentWindow::lastCalculation() const
{
    return calculated;
}

void PrepaymentWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed) {
        placed = true;
        placeOnScreen(this);
    }
}

void PrepaymentWindow::calculateButtonClicked()
{
    const FieldControl controls[] = { { "extra", ui->ExtraPaymentEdit }, { "from", ui->StartMonthEdit } };
    calculators::FieldTexts texts = textsOf(controls);
    texts.addMissing(loan);
    const auto read = readInput(this, calculators::readPrepayment, texts, controls);
    if (!read)
        return;
    const calculators::PrepaymentInput& input = *read;
    const auto results = calculators::prepaymentTexts(calculators::analysePrepayment(input), regional());

    for (QWidget* panel :
        { ui->PrepaidInterestPanel, ui->NormalInterestPanel, ui->InterestSavingsPanel, ui->MonthsReducedPanel })
        panel->setVisible(true);
    ui->NormalInterestValueLabel->setText(QString::fromStdString(results.normalInterest));
    ui->PrepaidInterestValueLabel->setText(QString::fromStdString(results.prepaidInterest));
    ui->InterestSavingsValueLabel->setText(QString::fromStdString(results.interestSavings));
    ui->MonthsReducedValueLabel->setText(QString::fromStdString(results.monthsReduced));
    calculated = input;
}

void PrepaymentWindow::closeButtonClicked()
{
    hide();
}

std::vector<TypedSection> PrepaymentWindow::typedSections() const
{
    return { { "prepay", { { "extra", ui->ExtraPaymentEdit }, { "from", ui->StartMonthEdit } } } };
}

} // namespace app
