#include "pages/CollegePage.h"

#include "shell/FieldAssistance.h"
#include "shell/FieldEntry.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_CollegePage.h"

namespace {

using app::Entry;

const auto childAgeMessage = QStringLiteral("Enter child's current age as an integer (0 or greater).");
const auto startingAgeMessage
    = QStringLiteral("Starting College Age must be greater than child's current age (must be an integer).");
const auto annualCostMessage
    = QStringLiteral("Enter annual cost of college. Must be greater than 1, can include decimals but no commas or $.");
const auto yearsOfCollegeMessage
    = QStringLiteral("Enter how many years child will spend in college (must be an integer like 4,5, etc.).");
const auto costIncreaseMessage = QStringLiteral("Enter an estimated inflation rate for college expenses. OK to use "
                                                "decimals but no % sign (ex: 7.2% = 7.2,  8% = 8).");
const auto fundMessage = QStringLiteral("You must enter a valid amount in the Education Fund field. Do not use $ or "
                                        "commas. If you do not have a fund, enter 0.");
const auto growthMessage = QStringLiteral(
    "Growth rate must be between 1 and 50, decimal numbers OK (7% = 7, 15.25% = 15.25). Please re-enter.");

// The cost check refuses less than 2, although its message asks only for more than 1.
constexpr finance::Extended smallestAnnualCost = 2;

} // namespace

CollegePage::CollegePage(QWidget* parent)
    : BuiltOnFirstShow(parent)
{ }

CollegePage::~CollegePage() = default;

void CollegePage::buildControls()
{
    // The glyphs live in this static library, so their resource must be registered by hand.
    Q_INIT_RESOURCE(glyphs);
    ui.create();
    ui->setupUi(this);
    connect(ui->BitBtn2, &QAbstractButton::clicked, this, &CollegePage::printWindowPressed);

    connect(ui->Button9, &QPushButton::clicked, this, app::guarded(this, [this] { Button9Click(ui->Button9); }));
    connect(ui->ButtonHowToCollege, &QPushButton::clicked, this,
        app::guarded(this, [this] { ButtonHowToCollegeClick(ui->ButtonHowToCollege); }));
    // The projection's fields select their text on a click; no field of the page has a help text.
    new app::FieldAssistance(this,
        {
            { ui->Edit19, app::selectFirst(5), {} },
            { ui->Edit22, app::selectFirst(4), {} },
            { ui->Edit23, app::selectFirst(7), {} },
            { ui->Edit24, app::selectFirst(5), {} },
            { ui->Edit25, app::selectFirst(5), {} },
        });
}

calculators::CollegeCostInput CollegePage::costInput() const
{
    calculators::CollegeCostInput input;
    input.childAge = app::wholeValue(ui->Edit19);
    input.startingAge = app::wholeValue(ui->Edit22);
    input.yearsOfCollege = app::wholeValue(ui->Edit24);
    input.increasePercent = app::decimalValue(ui->Edit25);
    input.annualCost = app::decimalValue(ui->Edit23);
    return input;
}

bool CollegePage::Button9Click(const QObject* sender)
{
    // Checked once the child's age has passed, so the age converts again here.
    const auto aboveChildAge = [this](finance::Extended age) { return age > app::wholeValue(ui->Edit19); };
    if (!app::passes(this,
            {
                { ui->Edit19, Entry::Whole, app::atLeast(0), childAgeMessage },
                { ui->Edit22, Entry::Whole, aboveChildAge, startingAgeMessage },
                { ui->Edit23, Entry::Decimal, app::atLeast(smallestAnnualCost), annualCostMessage },
                { ui->Edit24, Entry::Whole, app::atLeast(1), yearsOfCollegeMessage },
                { ui->Edit25, Entry::Decimal, app::atLeast(1), costIncreaseMessage },
            }))
        return false;

    const calculators::CollegeCost cost = calculators::projectCollegeCost(costInput());
    ui->Panel5->setVisible(true);
    ui->Label44->setVisible(true);
    ui->Label44->setText(QString::fromStdString(calculators::collegeCostSentence(cost, app::regional())));
    ui->Panel3->setVisible(true);

    if (sender != ui->ButtonHowToCollege)
        ButtonHowToCollegeClick(sender);
    return true;
}

void CollegePage::ButtonHowToCollegeClick(const QObject* sender)
{
    // A rejected projection has already said what is wrong; a plan from the same fields would only add
    // a conversion error or a plan for no or negative years.
    if (sender != ui->Button9 && !Button9Click(sender))
        return;

    if (!app::passes(this,
            {
                { ui->EditCurrCollegeFund, Entry::Decimal, app::atLeast(0), fundMessage },
                { ui->EditCollFundGrowth, Entry::Decimal, app::between(1, 50), growthMessage },
            })) {
        // The projection beside the plan may be new: an old plan would stand next to figures it does not
        // belong to.
        ui->MemoHowToCollege->clear();
        return;
    }

    // Emptied before computing: a plan that ends in an error leaves no stale text behind.
    ui->MemoHowToCollege->clear();
    const calculators::CollegeFund fund { app::decimalValue(ui->EditCurrCollegeFund),
        app::decimalValue(ui->EditCollFundGrowth) };
    const calculators::CollegePlan plan = calculators::planCollegeSaving(costInput(), fund);
    ui->MemoHowToCollege->appendPlainText(QString::fromStdString(calculators::collegePlanText(plan, app::regional())));
    QTextCursor caret = ui->MemoHowToCollege->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->MemoHowToCollege->setTextCursor(caret);
}
