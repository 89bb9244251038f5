#include "pages/CollegePage.h"

#include "Checks.h"
#include "shell/FieldAssistance.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_CollegePage.h"

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

bool CollegePage::Button9Click(const QObject* sender)
{
    // The starting age is checked once the child's age has passed, against the age as read.
    const auto read = app::readInput<calculators::CollegeCostInput>(this, calculators::readCollegeCostInput,
        { { "age", ui->Edit19 }, { "start-age", ui->Edit22 }, { "cost", ui->Edit23 }, { "years", ui->Edit24 },
            { "increase", ui->Edit25 } });
    if (!read)
        return false;
    cost = *read;

    const calculators::CollegeCost projection = calculators::projectCollegeCost(cost);
    ui->Panel5->setVisible(true);
    ui->Label44->setVisible(true);
    ui->Label44->setText(QString::fromStdString(calculators::collegeCostSentence(projection, app::regional())));
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

    const auto values = app::readFields(this, calculators::checks::collegeFund,
        { { "fund", ui->EditCurrCollegeFund }, { "growth", ui->EditCollFundGrowth } });
    if (!values) {
        // The projection beside the plan may be new: an old plan would stand next to figures it does not
        // belong to.
        ui->MemoHowToCollege->clear();
        return;
    }

    // Emptied before computing: a plan that ends in an error leaves no stale text behind.
    ui->MemoHowToCollege->clear();
    const calculators::CollegeFund fund { values->decimal("fund"), values->decimal("growth") };
    const calculators::CollegePlan plan = calculators::planCollegeSaving(cost, fund);
    ui->MemoHowToCollege->appendPlainText(QString::fromStdString(calculators::collegePlanText(plan, app::regional())));
    QTextCursor caret = ui->MemoHowToCollege->textCursor();
    caret.movePosition(QTextCursor::Start);
    ui->MemoHowToCollege->setTextCursor(caret);
}
