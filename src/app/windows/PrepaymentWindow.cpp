#include "windows/PrepaymentWindow.h"

#include "Checks.h"
#include "NumberEntry.h"
#include "Prepayment.h"
#include "shell/EnterKey.h"
#include "shell/FieldAssistance.h"
#include "shell/FieldEntry.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "shell/WindowPlacement.h"
#include "ui_PrepaymentWindow.h"

#include <QAction>

namespace {

const auto extraPaymentHelp
    = QStringLiteral("This is an amount that you will make in addition to your monthly payment.");
const auto startMonthHelp
    = QStringLiteral("The month that you will start paying an additional amount to your payment.");

} // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TForm5>())
{
    // Flags first: set after the controls exist, they would re-style every control once more.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::WindowStaysOnTopHint);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->setupUi(this);
    setFixedSize(size());

    connect(ui->Button1, &QPushButton::clicked, this, app::guarded(this, [this] { Button1Click(); }));
    connect(ui->BitBtn1, &QPushButton::clicked, this, app::guarded(this, [this] { BitBtn1Click(); }));
    // Esc closes the window as Close does, like the schedule's and the matrix's cancel buttons.
    connect(ui->ActionClose, &QAction::triggered, this, app::guarded(this, [this] { BitBtn1Click(); }));
    new app::EnterKey(this, [this] { return this; });
    new app::FieldAssistance(this,
        {
            { ui->Edit1, app::selectFirst(10), extraPaymentHelp },
            { ui->Edit2, app::selectFirst(5), startMonthHelp },
        });
}

TForm5::~TForm5() = default;

void TForm5::setLoan(const LoanPageTexts& texts)
{
    loan = texts;
}

const std::optional<calculators::PrepaymentInput>& TForm5::lastCalculation() const
{
    return calculated;
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!placed) {
        placed = true;
        app::placeOnScreen(this);
    }
}

void TForm5::Button1Click()
{
    const auto values
        = app::readFields(this, calculators::checks::prepayment, { { "extra", ui->Edit1 }, { "from", ui->Edit2 } });
    if (!values)
        return;
    if (!loan)
        return;

    // Read in this order; a text that does not convert ends the calculation in the application error box.
    calculators::PrepaymentInput input;
    input.annualRatePercent = finance::decimalNumberEntry(loan->rate.toStdString(), app::regional());
    input.years = finance::wholeNumberEntry(loan->years.toStdString());
    input.loanAmount = finance::decimalNumberEntry(loan->amount.toStdString(), app::regional());
    input.extraPayment = values->decimal("extra");
    // The month is checked as a decimal number and read as a whole one, so "1.5" ends in the error box.
    input.startMonth = app::wholeValue(ui->Edit2);
    const auto texts = calculators::prepaymentTexts(calculators::analysePrepayment(input), app::regional());

    for (QWidget* panel : { ui->Panel1, ui->Panel2, ui->Panel3, ui->Panel4 })
        panel->setVisible(true);
    ui->Label5->setText(QString::fromStdString(texts.normalInterest));
    ui->Label6->setText(QString::fromStdString(texts.prepaidInterest));
    ui->Label7->setText(QString::fromStdString(texts.interestSavings));
    ui->Label10->setText(QString::fromStdString(texts.monthsReduced));
    calculated = input;
}

void TForm5::BitBtn1Click()
{
    hide();
}
