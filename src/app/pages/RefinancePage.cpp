#include "pages/RefinancePage.h"

#include "Formats.h"
#include "Refinance.h"
#include "shell/Dialogs.h"
#include "shell/FieldEntry.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_RefinancePage.h"

namespace {

using app::Entry;

const auto currentPaymentMessage
    = QStringLiteral("Current mortgage must be greater than 1, entered without $ or commas. Please re-enter.");
const auto principalMessage = QStringLiteral(
    "Refinanced principal amount must be greater than 1, entered without $ or commas. Please re-enter.");
const auto termMessage = QStringLiteral(
    "Term of loan should be between 1 and 50, entered as an integer (ex: 15, 30, ...). Please re-enter.");
const auto rateMessage = QStringLiteral(
    "Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25). Please re-enter.");
const auto closingCostsMessage = QStringLiteral("Mortgage Closing Costs must be greater than or equal to 0, entered "
                                                "without $ or commas. Please re-enter.");
const auto pointsMessage
    = QStringLiteral("Closing POINTS must be between 0 and 10, decimal numbers OK (1,1.25, etc.). Please re-enter.");
const auto moreExpensiveMessage = QStringLiteral("ERROR: Your refinanced mortgage is MORE expensive than your current "
                                                 "mortgage. Please double-check your data entry and re-enter.");

// The smallest payment or principal the page works with.
constexpr finance::Extended smallestMoney = 2;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

RefinancePage::RefinancePage(QWidget* parent)
    : BuiltOnFirstShow(parent)
{ }

RefinancePage::~RefinancePage() = default;

void RefinancePage::buildControls()
{
    ui.create();
    ui->setupUi(this);
    connect(ui->Button1CalcRefinance, &QPushButton::clicked, this,
        app::guarded(this, [this] { Button1CalcRefinanceClick(); }));
}

void RefinancePage::Button1CalcRefinanceClick()
{
    // The term is read as a decimal number first and as a whole number second, so that "5." fails too.
    if (!app::passes(this,
            {
                { ui->EditCurrentMort, Entry::Decimal, app::atLeast(smallestMoney), currentPaymentMessage },
                { ui->EditRefinMort, Entry::Decimal, app::atLeast(smallestMoney), principalMessage },
                { ui->EditRefinTerm, Entry::Decimal, app::atLeast(1), termMessage },
                { ui->EditRefinTerm, Entry::Whole, app::between(1, 50), termMessage },
                { ui->EditRate, Entry::Decimal, app::between(1, 30), rateMessage },
                { ui->EditCloseCosts, Entry::Decimal, app::atLeast(0), closingCostsMessage },
                { ui->EditPoints, Entry::Decimal, app::between(0, 10), pointsMessage },
            }))
        return;

    calculators::RefinanceInput input;
    input.currentPayment = app::decimalValue(ui->EditCurrentMort);
    input.annualRatePercent = app::decimalValue(ui->EditRate);
    input.pointsPercent = app::decimalValue(ui->EditPoints);
    input.termYears = app::wholeValue(ui->EditRefinTerm);
    input.principal = app::decimalValue(ui->EditRefinMort);
    input.closingCosts = app::decimalValue(ui->EditCloseCosts);
    const calculators::RefinanceSavings savings = calculators::refinanceSavings(input);

    const auto& settings = app::regional();
    ui->Panel4->setText(text(finance::moneyText(savings.newPayment, settings)));
    ui->PanelMonthlySavings->setText(text(finance::moneyText(savings.monthlySaving, settings)));
    ui->PanelCloseCosts->setText(text(finance::moneyText(savings.totalClosingCosts, settings)));
    // A saving of exactly zero ends here in the error box, with the three panels above already written.
    ui->PanelBreakEven->setText(text(finance::fixedText(calculators::breakEvenMonths(savings), 1, settings)));

    ui->PanelMonthlySavings->setVisible(true);
    ui->LabelMonthlySavings->setVisible(true);
    ui->PanelBreakEven->setVisible(true);
    ui->LabelBreakEven->setVisible(true);

    // The results stay on screen behind the warning.
    if (input.currentPayment < savings.newPayment)
        app::dialogs().warning(this, moreExpensiveMessage);
}
