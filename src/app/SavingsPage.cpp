#include "SavingsPage.h"

#include "FieldAssistance.h"
#include "FieldEntry.h"
#include "GuardedHandler.h"
#include "Regional.h"
#include "RequiredReturn.h"
#include "SavingsGrowth.h"
#include "ValidationSteps.h"
#include "ui_SavingsPage.h"

namespace {

using shell::Entry;

const auto rateMessage = QStringLiteral("Interest rate must be between 1 and 50, decimals OK.");
const auto yearsMessage
    = QStringLiteral("Years must be between 1 and 200. This is how long the money will accumulate and grow.");
const auto currentValueMessage = QStringLiteral("Current Value must be above $1. Enter without $ or commas.");
const auto desiredValueMessage
    = QStringLiteral("Desired Value must be larger than Current Value, enter with no $ or commas.");
const auto growYearsMessage = QStringLiteral("Years must be between 1 and 100, entered as integer. Please re-enter.");

const auto rateHelp = QStringLiteral("This is the annual rate (APR) your money will increase by each year.");
const auto yearsHelp
    = QStringLiteral("Years must be between 1 and 200. This is how long the money will accumulate and grow.");
const auto currentAmountHelp
    = QStringLiteral("The current value of your investment/savings account. This is your starting balance.");
const auto contributionHelp = QStringLiteral("The amount you will contribute to your savings on a regular basis.");
const auto currentValueHelp = QStringLiteral(
    "How much savings do you have right now? (you will be investing this amount trying to reach your goal)");
const auto desiredValueHelp = QStringLiteral("How much do you want your savings to be worth in the future?");
const auto growYearsHelp = QStringLiteral("How many years will the money grow?");

// Contributions and the current amount are optional: an empty field counts as nothing.
void zeroWhenEmpty(QLineEdit* field)
{
    if (field->text().isEmpty())
        field->setText(QStringLiteral("0"));
}

} // namespace

SavingsPage::SavingsPage(QWidget* parent)
    : BuiltOnFirstShow(parent)
{ }

SavingsPage::~SavingsPage() = default;

void SavingsPage::buildControls()
{
    ui = std::make_unique<Ui::SavingsPage>();
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, shell::guarded(this, [this] { Button1Click(); }));
    connect(ui->Button4, &QPushButton::clicked, this, shell::guarded(this, [this] { Button4Click(); }));
    new shell::FieldAssistance(this,
        {
            { ui->Edit1, shell::selectAll(), rateHelp },
            { ui->Edit2, shell::selectFirst(4), yearsHelp },
            { ui->Edit4, shell::selectFirst(9), currentAmountHelp },
            { ui->Edit3, shell::selectFirst(8), contributionHelp },
            { ui->Edit13, shell::selectFirst(11), currentValueHelp },
            { ui->Edit14, shell::selectFirst(11), desiredValueHelp },
            { ui->Edit12, shell::selectFirst(3), growYearsHelp },
        });
}

void SavingsPage::Button1Click()
{
    if (!shell::passes(this,
            {
                { ui->Edit1, Entry::Decimal, shell::between(1, 50), rateMessage },
                { ui->Edit2, Entry::Whole, shell::between(1, 200), yearsMessage },
            }))
        return;

    zeroWhenEmpty(ui->Edit3);
    zeroWhenEmpty(ui->Edit4);

    // The contribution and the current amount are not validated: text that is no number ends in the error box.
    calculators::SavingsGrowthInput input;
    input.annualRatePercent = shell::decimalValue(ui->Edit1);
    input.years = shell::wholeValue(ui->Edit2);
    input.contribution = shell::decimalValue(ui->Edit3);
    input.currentAmount = shell::decimalValue(ui->Edit4);
    using calculators::ContributionFrequency;
    input.frequency = ui->RadioButton3->isChecked() ? ContributionFrequency::Weekly
        : ui->RadioButton2->isChecked()             ? ContributionFrequency::Monthly
                                                    : ContributionFrequency::Annually;
    const finance::Extended futureValue = calculators::savingsFutureValue(input);

    ui->Panel1->setVisible(true);
    ui->Panel1->setText(QString::fromStdString(calculators::savingsGrowthCaption(futureValue, shell::regional())));
}

void SavingsPage::Button4Click()
{
    // The desired value is compared with the current value's text converted once more.
    const auto aboveCurrentValue
        = [this](finance::Extended desired) { return desired > shell::decimalValue(ui->Edit13); };
    if (!shell::passes(this,
            {
                { ui->Edit13, Entry::Decimal, shell::atLeast(1), currentValueMessage },
                { ui->Edit14, Entry::Decimal, aboveCurrentValue, desiredValueMessage },
                { ui->Edit12, Entry::Whole, shell::between(1, 100), growYearsMessage },
            }))
        return;

    const std::int32_t years = shell::wholeValue(ui->Edit12);
    const finance::Extended currentValue = shell::decimalValue(ui->Edit13);
    const finance::Extended desiredValue = shell::decimalValue(ui->Edit14);
    const finance::Extended annualReturn = calculators::requiredAnnualReturn(currentValue, desiredValue, years);

    ui->Panel7->setVisible(true);
    ui->Panel7->setText(QString::fromStdString(calculators::requiredReturnSentence(annualReturn, shell::regional())));
}
