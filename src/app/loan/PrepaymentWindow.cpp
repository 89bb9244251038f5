#include "loan/PrepaymentWindow.h"

#include "calculators/Checks.h"
#include "calculators/Prepayment.h"
#include "finance/NumberEntry.h"
#include "shell/EnterKey.h"
#include "shell/FieldAssistance.h"
#include "shell/FieldEntry.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "shell/WindowPlacement.h"
#include "ui_PrepaymentWindow.h"

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

void PrepaymentWindow::setLoan(const LoanPageTexts& texts)
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
    const auto values = app::readFields(
        this, calculators::checks::prepayment, { { "extra", ui->ExtraPaymentEdit }, { "from", ui->StartMonthEdit } });
    if (!values)
        return;
    if (!loan)
        return;

    // Read in this order; a text that does not convert ends the calculation in the application error box.
    calculators::PrepaymentInput input;
    input.annualRatePercent = finance::decimalNumberEntry(loan->rate.toStdString(), regional());
    input.years = finance::wholeNumberEntry(loan->years.toStdString());
    input.loanAmount = finance::decimalNumberEntry(loan->amount.toStdString(), app::regional());
    input.extraPayment = values->decimal("extra");
    // The month is checked as a decimal number and read as a whole one, so "1.5" ends in the error box.
    input.startMonth = app::wholeValue(ui->StartMonthEdit);
    const auto texts = calculators::prepaymentTexts(calculators::analysePrepayment(input), app::regional());

    for (QWidget* panel :
        { ui->PrepaidInterestPanel, ui->NormalInterestPanel, ui->InterestSavingsPanel, ui->MonthsReducedPanel })
        panel->setVisible(true);
    ui->NormalInterestValueLabel->setText(QString::fromStdString(texts.normalInterest));
    ui->PrepaidInterestValueLabel->setText(QString::fromStdString(texts.prepaidInterest));
    ui->InterestSavingsValueLabel->setText(QString::fromStdString(texts.interestSavings));
    ui->MonthsReducedValueLabel->setText(QString::fromStdString(texts.monthsReduced));
    calculated = input;
}

void PrepaymentWindow::closeButtonClicked()
{
    hide();
}

} // namespace app
