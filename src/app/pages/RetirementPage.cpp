#include "pages/RetirementPage.h"

#include "Checks.h"
#include "RetirementPlanner.h"
#include "shell/FieldAssistance.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_RetirementPage.h"

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
    // The glyphs live in this static library, so their resource must be registered by hand.
    Q_INIT_RESOURCE(glyphs);
    ui.create();
    ui->setupUi(this);
    connect(ui->BitBtn3, &QAbstractButton::clicked, this, &RetirementPage::printWindowPressed);

    connect(ui->Button5, &QPushButton::clicked, this, app::guarded(this, [this] { Button5Click(); }));
    connect(ui->Button8, &QPushButton::clicked, this, app::guarded(this, [this] { Button8Click(); }));
    new app::FieldAssistance(this,
        {
            { ui->Edit20, app::selectAll(), {} },
            { ui->Edit21, app::selectAll(), retirementAgeHelp },
            { ui->Edit18, app::selectAll(), monthlyIncomeHelp },
            { ui->Edit17, app::selectAll(), retirementYearsHelp },
            { ui->Edit15, app::selectAll(), growthRateHelp },
            { ui->Edit16, app::selectAll(), inflationHelp },
            { ui->EditRetireFund, app::selectAll(), assetsHelp },
        });
}

std::optional<calculators::RetirementInput> RetirementPage::readNeed()
{
    // The current age has passed its own step by the time the retirement age is compared with it.
    return app::readInput<calculators::RetirementInput>(this, calculators::readRetirementInput,
        { { "age", ui->Edit20 }, { "retire-at", ui->Edit21 }, { "income", ui->Edit18 }, { "years", ui->Edit17 },
            { "growth", ui->Edit15 }, { "inflation", ui->Edit16 } });
}

void RetirementPage::Button5Click()
{
    // Shown before the fields are checked: once a plan is on screen, any new Calculate may leave it out of date.
    if (ui->PanelRetireHowTo->isVisibleTo(this))
        ui->LabelRecalc->setVisible(true);
    const auto input = readNeed();
    if (!input)
        return;

    const calculators::RetirementNeed need = calculators::retirementNeed(*input);
    ui->Panel2->setVisible(true);
    ui->Label40->setText(QString::fromStdString(calculators::retirementNeedSentence(*input, need, app::regional())));
    ui->PanelRetireHowTo->setVisible(true);
}

void RetirementPage::Button8Click()
{
    ui->LabelRecalc->setVisible(false);
    // The page's fields may have changed since Calculate checked them.
    const auto input = readNeed();
    if (!input)
        return;
    const auto assets
        = app::readFields(this, calculators::checks::retirementPlan, { { "assets", ui->EditRetireFund } });
    if (!assets)
        return;

    const calculators::RetirementPlan plan = calculators::retirementPlan(*input, assets->decimal("assets"));
    ui->MemoRetire->setPlainText(
        QString::fromStdString(calculators::retirementPlanText(*input, plan, app::regional())));
    QTextCursor caret = ui->MemoRetire->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->MemoRetire->setTextCursor(caret);
}
