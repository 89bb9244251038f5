#include "pages/SavingsPage.h"

#include "calculators/RequiredReturn.h"
#include "calculators/SavingsGrowth.h"
#include "dialogs/GuardedHandler.h"
#include "fields/FieldAssistance.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "ui_SavingsPage.h"

namespace app {

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
    connect(ui->GrowthCalculateButton, &QPushButton::clicked, this,
        guarded(this, [this] { growthCalculateButtonClicked(); }));
    connect(ui->ReturnCalculateButton, &QPushButton::clicked, this,
        guarded(this, [this] { returnCalculateButtonClicked(); }));
    new FieldAssistance(this,
        {
            { ui->SavingsRateEdit, selectAll(), rateHelp },
            { ui->SavingsYearsEdit, selectFirst(4), yearsHelp },
            { ui->CurrentSavingsEdit, selectFirst(9), currentAmountHelp },
            { ui->ContributionEdit, selectFirst(8), contributionHelp },
            { ui->CurrentValueEdit, selectFirst(11), currentValueHelp },
            { ui->DesiredValueEdit, selectFirst(11), desiredValueHelp },
            { ui->GrowYearsEdit, selectFirst(3), growYearsHelp },
        });
}

void SavingsPage::growthCalculateButtonClicked()
{
    const FieldControl controls[] = { { "rate", ui->SavingsRateEdit }, { "years", ui->SavingsYearsEdit },
        { "contribution", ui->ContributionEdit }, { "current", ui->CurrentSavingsEdit } };
    calculators::FieldTexts texts = textsOf(controls);
    texts.set("every", ui->WeeklyRadio->isChecked() ? "week" : ui->MonthlyRadio->isChecked() ? "month" : "year");
    // The contribution and the current amount are optional: once the checked fields pass, an empty one shows the
    // 0 it counts as. They are not checked: text that is no number ends in the error box.
    const auto input = readInput(this, calculators::readSavingsGrowth, texts, controls);
    if (!input)
        return;
    zeroWhenEmpty(ui->ContributionEdit);
    zeroWhenEmpty(ui->CurrentSavingsEdit);
    const finance::Extended futureValue = calculators::savingsFutureValue(*input);

    ui->GrowthResultPanel->setVisible(true);
    ui->GrowthResultPanel->setText(QString::fromStdString(calculators::savingsGrowthCaption(futureValue, regional())));
}

void SavingsPage::returnCalculateButtonClicked()
{
    const auto input = readInput<calculators::RequiredReturnInput>(this, calculators::readRequiredReturn,
        { { "current", ui->CurrentValueEdit }, { "desired", ui->DesiredValueEdit }, { "years", ui->GrowYearsEdit } });
    if (!input)
        return;

    const finance::Extended annualReturn
        = calculators::requiredAnnualReturn(input->currentValue, input->desiredValue, input->years);

    ui->ReturnResultPanel->setVisible(true);
    ui->ReturnResultPanel->setText(
        QString::fromStdString(calculators::requiredReturnSentence(annualReturn, regional())));
}

std::vector<TypedSection> SavingsPage::typedSections() const
{
    return { { "savings",
                 { { "rate", ui->SavingsRateEdit }, { "years", ui->SavingsYearsEdit },
                     { "current", ui->CurrentSavingsEdit }, { "contribution", ui->ContributionEdit },
                     { .field = "every", .control = ui->AnnuallyRadio, .choice = "year" },
                     { .field = "every", .control = ui->MonthlyRadio, .choice = "month" },
                     { .field = "every", .control = ui->WeeklyRadio, .choice = "week" } } },
        { "required-return",
            { { "current", ui->CurrentValueEdit }, { "desired", ui->DesiredValueEdit },
                { "years", ui->GrowYearsEdit } } } };
}

} // namespace app
