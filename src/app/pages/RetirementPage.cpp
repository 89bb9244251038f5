#include "pages/RetirementPage.h"

#include "calculators/RetirementPlanner.h"
#include "dialogs/GuardedHandler.h"
#include "fields/FieldAssistance.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "ui_RetirementPage.h"
#include "widgets/Glyphs.h"

namespace app {

namespace {

const auto retirementAgeHelp = QStringLiteral("Enter the age at which you plan on retiring.");
const auto monthlyIncomeHelp
    = QStringLiteral("This is an amount that will supplement Social Security and/or pension plan benefits. Please "
                     "enter the amount in todays dollars.");
const auto retirementYearsHelp
    = QStringLiteral("The number of years after retirement that you will require an income. If you retire at 55 and "
                     "plan to live until you are 85, enter 30.");
const auto growthRateHelp
    = QStringLiteral("Enter the interest rate anticipated through retirement that your investments will grow at. A "
                     "rate of 5 to 7 percent would be considered conservative, whereas the stock market averages 13 "
                     "percent.");
const auto inflationHelp
    = QStringLiteral("An inflation rate of 2 to 5 should be appropiate.  Over the last 20 years the Consumer Price "
                     "Index (CPI) has been just above 5 percent per year. In the late 1990s, it has fallen to 2% or "
                     "less.");
const auto assetsHelp
    = QStringLiteral("Amount you currently have saved for your retirement. This can include 401K accounts.");

} // namespace

RetirementPage::RetirementPage(QWidget* parent)
    : BuiltOnFirstShow(parent)
{ }

RetirementPage::~RetirementPage() = default;

void RetirementPage::buildControls()
{
    registerGlyphs();
    ui.create();
    ui->setupUi(this);
    connect(ui->RetirementPrintButton, &QAbstractButton::clicked, this, &RetirementPage::printWindowPressed);

    connect(ui->RetirementCalculateButton, &QPushButton::clicked, this,
        guarded(this, [this] { retirementCalculateButtonClicked(); }));
    connect(ui->RetirementHowToButton, &QPushButton::clicked, this,
        guarded(this, [this] { retirementHowToButtonClicked(); }));
    new FieldAssistance(this,
        {
            { ui->CurrentAgeEdit, selectAll(), {} },
            { ui->RetirementAgeEdit, selectAll(), retirementAgeHelp },
            { ui->MonthlyIncomeEdit, selectAll(), monthlyIncomeHelp },
            { ui->RetirementYearsEdit, selectAll(), retirementYearsHelp },
            { ui->GrowthRateEdit, selectAll(), growthRateHelp },
            { ui->InflationEdit, selectAll(), inflationHelp },
            { ui->RetirementFundEdit, selectAll(), assetsHelp },
        });
}

std::optional<calculators::RetirementInput> RetirementPage::readNeed()
{
    // The current age has passed its own step by the time the retirement age is compared with it.
    return app::readInput<calculators::RetirementInput>(this, calculators::readRetirementNeed,
        { { "age", ui->CurrentAgeEdit }, { "retire-at", ui->RetirementAgeEdit }, { "income", ui->MonthlyIncomeEdit },
            { "years", ui->RetirementYearsEdit }, { "growth", ui->GrowthRateEdit },
            { "inflation", ui->InflationEdit } });
}

void RetirementPage::retirementCalculateButtonClicked()
{
    // Shown before the fields are checked: once a plan is on screen, any new Calculate may leave it out of date.
    if (ui->RetirementPlanPanel->isVisibleTo(this))
        ui->RecalculateLabel->setVisible(true);
    const auto input = readNeed();
    if (!input)
        return;

    const calculators::RetirementNeed need = calculators::retirementNeed(*input);
    ui->NeedResultPanel->setVisible(true);
    ui->NeedResultLabel->setText(
        QString::fromStdString(calculators::retirementNeedSentence(*input, need, app::regional())));
    ui->RetirementPlanPanel->setVisible(true);
}

void RetirementPage::retirementHowToButtonClicked()
{
    ui->RecalculateLabel->setVisible(false);
    // The page's fields may have changed since Calculate checked them.
    const auto input = readNeed();
    if (!input)
        return;
    const auto assets = readInput<calculators::RetirementAssets>(
        this, calculators::readRetirementAssets, { { "assets", ui->RetirementFundEdit } });
    if (!assets)
        return;

    const calculators::RetirementPlan plan = calculators::retirementPlan(*input, assets->currentAssets);
    ui->RetirementPlanText->setPlainText(
        QString::fromStdString(calculators::retirementPlanText(*input, plan, app::regional())));
    QTextCursor caret = ui->RetirementPlanText->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->RetirementPlanText->setTextCursor(caret);
}

std::vector<TypedSection> RetirementPage::typedSections() const
{
    return { { "retirement",
        { { "age", ui->CurrentAgeEdit }, { "retire-at", ui->RetirementAgeEdit }, { "income", ui->MonthlyIncomeEdit },
            { "years", ui->RetirementYearsEdit }, { "growth", ui->GrowthRateEdit }, { "inflation", ui->InflationEdit },
            { "assets", ui->RetirementFundEdit } } } };
}

} // namespace app
