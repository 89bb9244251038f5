#include "RefinancePage.h"

#include "Dialogs.h"
#include "FieldEntry.h"
#include "Formats.h"
#include "GuardedHandler.h"
#include "Refinance.h"
#include "Regional.h"
#include "ValidationSteps.h"
#include "ui_RefinancePage.h"

namespace {

using shell::Entry;

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
    ui = std::make_unique<Ui::RefinancePage>();
    ui->setupUi(this);
    connect(ui->Button1CalcRefinance, &QPushButton::clicked, this,
        shell::guarded(this, [this] { Button1CalcRefinanceClick(); }));
}

void RefinancePage::Button1CalcRefinanceClick()
{
    // The term is read as a decimal number first and as a whole number second, so that "5." fails too.
    if (!shell::passes(this,
            {
                { ui->EditCurrentMort, Entry::Decimal, shell::atLeast(smallestMoney), currentPaymentMessage },
                { ui->EditRefinMort, Entry::Decimal, shell::atLeast(smallestMoney), principalMessage },
                { ui->EditRefinTerm, Entry::Decimal, shell::atLeast(1), termMessage },
                { ui->EditRefinTerm, Entry::Whole, shell::between(1, 50), termMessage },
                { ui->EditRate, Entry::Decimal, shell::between(1, 30), rateMessage },
                { ui->EditCloseCosts, Entry::Decimal, shell::atLeast(0), closingCostsMessage },
                { ui->EditPoints, Entry::Decimal, shell::between(0, 10), pointsMessage },
            }))
        return;

    calculators::RefinanceInput input;
    input.currentPayment = shell::decimalValue(ui->EditCurrentMort);
    input.annualRatePercent = shell::decimalValue(ui->EditRate);
    input.pointsPercent = shell::decimalValue(ui->EditPoints);
    input.termYears = shell::wholeValue(ui->EditRefinTerm);
    input.principal = shell::decimalValue(ui->EditRefinMort);
    input.closingCosts = shell::decimalValue(ui->EditCloseCosts);
    const calculators::RefinanceSavings savings = calculators::refinanceSavings(input);

    const auto& settings = shell::regional();
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
        shell::dialogs().warning(this, moreExpensiveMessage);
}
