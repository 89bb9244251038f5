#include "pages/CollegePage.h"

#include "dialogs/GuardedHandler.h"
#include "fields/FieldAssistance.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "ui_CollegePage.h"
#include "widgets/Glyphs.h"

namespace app {

CollegePage::CollegePage(QWidget* parent)
    : BuiltOnFirstShow(parent)
{ }

CollegePage::~CollegePage() = default;

void CollegePage::buildControls()
{
    registerGlyphs();
    ui.create();
    ui->setupUi(this);
    connect(ui->CollegePrintButton, &QAbstractButton::clicked, this, &CollegePage::printWindowPressed);

    connect(ui->CollegeCalculateButton, &QPushButton::clicked, this,
        guarded(this, [this] { collegeCalculateButtonClicked(ui->CollegeCalculateButton); }));
    connect(ui->CollegeHowToButton, &QPushButton::clicked, this,
        guarded(this, [this] { collegeHowToButtonClicked(ui->CollegeHowToButton); }));
    // The projection's fields select their text on a click; no field of the page has a help text.
    new FieldAssistance(this,
        {
            { ui->ChildAgeEdit, selectFirst(5), {} },
            { ui->StartingAgeEdit, selectFirst(4), {} },
            { ui->AnnualCostEdit, selectFirst(7), {} },
            { ui->CollegeYearsEdit, selectFirst(5), {} },
            { ui->CostIncreaseEdit, selectFirst(5), {} },
        });
}

bool CollegePage::collegeCalculateButtonClicked(const QObject* sender)
{
    // The starting age is checked once the child's age has passed, against the age as read.
    const auto read = app::readInput<calculators::CollegeCostInput>(this, calculators::readCollegeCost,
        { { "age", ui->ChildAgeEdit }, { "start-age", ui->StartingAgeEdit }, { "cost", ui->AnnualCostEdit },
            { "years", ui->CollegeYearsEdit }, { "increase", ui->CostIncreaseEdit } });
    if (!read)
        return false;
    cost = *read;

    const calculators::CollegeCost projection = calculators::projectCollegeCost(cost);
    ui->CostResultPanel->setVisible(true);
    ui->CostResultLabel->setVisible(true);
    ui->CostResultLabel->setText(QString::fromStdString(calculators::collegeCostSentence(projection, app::regional())));
    ui->CollegePlanPanel->setVisible(true);

    if (sender != ui->CollegeHowToButton)
        collegeHowToButtonClicked(sender);
    return true;
}

void CollegePage::collegeHowToButtonClicked(const QObject* sender)
{
    // A rejected projection has already said what is wrong; a plan from the same fields would only add
    // a conversion error or a plan for no or negative years.
    if (sender != ui->CollegeCalculateButton && !collegeCalculateButtonClicked(sender))
        return;

    const auto fund = readInput<calculators::CollegeFund>(
        this, calculators::readCollegeFund, { { "fund", ui->CurrentFundEdit }, { "growth", ui->FundGrowthEdit } });
    if (!fund) {
        // The projection beside the plan may be new: an old plan would stand next to figures it does not
        // belong to.
        ui->CollegePlanText->clear();
        return;
    }

    // Emptied before computing: a plan that ends in an error leaves no stale text behind.
    ui->CollegePlanText->clear();
    const calculators::CollegePlan plan = calculators::planCollegeSaving(cost, *fund);
    ui->CollegePlanText->appendPlainText(QString::fromStdString(calculators::collegePlanText(plan, app::regional())));
    QTextCursor caret = ui->CollegePlanText->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->CollegePlanText->setTextCursor(caret);
}

std::vector<TypedSection> CollegePage::typedSections() const
{
    return { { "college",
        { { "age", ui->ChildAgeEdit }, { "start-age", ui->StartingAgeEdit }, { "cost", ui->AnnualCostEdit },
            { "years", ui->CollegeYearsEdit }, { "increase", ui->CostIncreaseEdit }, { "fund", ui->CurrentFundEdit },
            { "growth", ui->FundGrowthEdit } } } };
}

} // namespace app
