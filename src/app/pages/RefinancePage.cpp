#include "pages/RefinancePage.h"

#include "Formats.h"
#include "Refinance.h"
#include "shell/Dialogs.h"
#include "shell/GuardedHandler.h"
#include "shell/Regional.h"
#include "shell/ValidationSteps.h"
#include "ui_RefinancePage.h"

#include <string>

namespace {

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
    const auto read = app::readInput<calculators::RefinanceInput>(this, calculators::readRefinanceInput,
        { { "payment", ui->EditCurrentMort }, { "principal", ui->EditRefinMort }, { "years", ui->EditRefinTerm },
            { "rate", ui->EditRate }, { "closing-costs", ui->EditCloseCosts }, { "points", ui->EditPoints } });
    if (!read)
        return;
    const calculators::RefinanceInput& input = *read;
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
        app::dialogs().warning(this, QString::fromUtf8(calculators::moreExpensiveMessage));
}
