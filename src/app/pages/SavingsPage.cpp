#include "pages/SavingsPage.h"

#include "Checks.h"
#include "RequiredReturn.h"
#include "SavingsGrowth.h"
#include "shell/FieldAssistance.h"
#include "shell/FieldEntry.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_SavingsPage.h"

#include <cstdint>

namespace {

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
    ui.create();
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, app::guarded(this, [this] { Button1Click(); }));
    connect(ui->Button4, &QPushButton::clicked, this, app::guarded(this, [this] { Button4Click(); }));
    new app::FieldAssistance(this,
        {
            { ui->Edit1, app::selectAll(), rateHelp },
            { ui->Edit2, app::selectFirst(4), yearsHelp },
            { ui->Edit4, app::selectFirst(9), currentAmountHelp },
            { ui->Edit3, app::selectFirst(8), contributionHelp },
            { ui->Edit13, app::selectFirst(11), currentValueHelp },
            { ui->Edit14, app::selectFirst(11), desiredValueHelp },
            { ui->Edit12, app::selectFirst(3), growYearsHelp },
        });
}

void SavingsPage::Button1Click()
{
    const auto values
        = app::readFields(this, calculators::checks::savingsGrowth, { { "rate", ui->Edit1 }, { "years", ui->Edit2 } });
    if (!values)
        return;

    zeroWhenEmpty(ui->Edit3);
    zeroWhenEmpty(ui->Edit4);

    // The contribution and the current amount are not validated: text that is no number ends in the error box.
    calculators::SavingsGrowthInput input;
    input.annualRatePercent = values->decimal("rate");
    input.years = values->whole("years");
    input.contribution = app::decimalValue(ui->Edit3);
    input.currentAmount = app::decimalValue(ui->Edit4);
    using calculators::ContributionFrequency;
    input.frequency = ui->RadioButton3->isChecked() ? ContributionFrequency::Weekly
        : ui->RadioButton2->isChecked()             ? ContributionFrequency::Monthly
                                                    : ContributionFrequency::Annually;
    const finance::Extended futureValue = calculators::savingsFutureValue(input);

    ui->Panel1->setVisible(true);
    ui->Panel1->setText(QString::fromStdString(calculators::savingsGrowthCaption(futureValue, app::regional())));
}

void SavingsPage::Button4Click()
{
    const auto values = app::readFields(this, calculators::checks::requiredReturn,
        { { "current", ui->Edit13 }, { "desired", ui->Edit14 }, { "years", ui->Edit12 } });
    if (!values)
        return;

    const finance::Extended annualReturn = calculators::requiredAnnualReturn(
        values->decimal("current"), values->decimal("desired"), values->whole("years"));

    ui->Panel7->setVisible(true);
    ui->Panel7->setText(QString::fromStdString(calculators::requiredReturnSentence(annualReturn, app::regional())));
}
