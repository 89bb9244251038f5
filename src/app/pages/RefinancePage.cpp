#include "pages/RefinancePage.h"

#include "calculators/Refinance.h"
#include "dialogs/Dialogs.h"
#include "dialogs/GuardedHandler.h"
#include "fields/FieldControls.h"
#include "fields/Regional.h"
#include "regional/Formats.h"
#include "ui_RefinancePage.h"

#include <string>

namespace app {

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
    connect(ui->RefinanceCalculateButton, &QPushButton::clicked, this,
        guarded(this, [this] { refinanceCalculateButtonClicked(); }));
}

void RefinancePage::refinanceCalculateButtonClicked()
{
    const auto read = app::readInput<calculators::RefinanceInput>(this, calculators::readRefinance,
        { { "payment", ui->CurrentPaymentEdit }, { "principal", ui->RefinancedAmountEdit },
            { "years", ui->RefinancedYearsEdit }, { "rate", ui->RefinancedRateEdit },
            { "closing-costs", ui->ClosingCostsEdit }, { "points", ui->PointsEdit } });
    if (!read)
        return;
    const calculators::RefinanceInput& input = *read;
    const calculators::RefinanceSavings savings = calculators::refinanceSavings(input);

    const auto& settings = regional();
    ui->NewPaymentPanel->setText(text(regional::moneyText(savings.newPayment, settings)));
    ui->MonthlySavingsPanel->setText(text(regional::moneyText(savings.monthlySaving, settings)));
    ui->TotalClosingCostsPanel->setText(text(regional::moneyText(savings.totalClosingCosts, settings)));
    // A saving of exactly zero ends here in the error box, with the three panels above already written.
    ui->BreakEvenPanel->setText(text(regional::fixedText(calculators::breakEvenMonths(savings), 1, settings)));

    ui->MonthlySavingsPanel->setVisible(true);
    ui->MonthlySavingsLabel->setVisible(true);
    ui->BreakEvenPanel->setVisible(true);
    ui->BreakEvenLabel->setVisible(true);

    // The results stay on screen behind the warning.
    if (input.currentPayment < savings.newPayment)
        dialogs().warning(this, QString::fromUtf8(calculators::moreExpensiveMessage));
}

std::vector<TypedSection> RefinancePage::typedSections() const
{
    return { { "refinance",
        { { "payment", ui->CurrentPaymentEdit }, { "principal", ui->RefinancedAmountEdit },
            { "years", ui->RefinancedYearsEdit }, { "rate", ui->RefinancedRateEdit },
            { "closing-costs", ui->ClosingCostsEdit }, { "points", ui->PointsEdit } } } };
}

} // namespace app
