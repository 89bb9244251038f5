// corvanta-calc refinance: the refinancing page's Calculate.
#include "calculators/Checks.h"
#include "calculators/Refinance.h"
#include "cli/CommandList.h"

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "payment", "the current monthly mortgage payment", &checks::refinance[0] },
    { "principal", "the refinanced principal amount", &checks::refinance[1] },
    { "years", "the new loan's term in years", &checks::refinance[3] },
    { "rate", "the new loan's annual interest rate in percent", &checks::refinance[4] },
    { "closing-costs", "the mortgage closing costs", &checks::refinance[5] },
    { "points", "the closing points, in percent of the principal", &checks::refinance[6] },
};

Report run(const Given& given, const Context& context)
{
    const calculators::RefinanceInput input = readOptions(calculators::readRefinance, given, context);
    const calculators::RefinanceSavings savings = calculators::refinanceSavings(input);
    // A saving of exactly zero has no break-even: the error ends the command before anything is written.
    const finance::Extended breakEven = calculators::breakEvenMonths(savings);

    const auto& settings = context.settings;
    Report report;
    report.figures = {
        moneyFigure("newPayment", savings.newPayment, settings),
        moneyFigure("monthlySaving", savings.monthlySaving, settings),
        moneyFigure("totalClosingCosts", savings.totalClosingCosts, settings),
        fixedFigure("breakEvenMonths", breakEven, 1, settings),
    };
    report.texts = {
        "New Monthly Payment: " + report.figures[0].text,
        "Monthly Savings: " + report.figures[1].text,
        "Total Closing Costs: " + report.figures[2].text,
        "Months to Break-even: " + report.figures[3].text,
    };
    if (input.currentPayment < savings.newPayment)
        report.warnings.emplace_back(calculators::moreExpensiveMessage);
    return report;
}

} // namespace

const Subcommand& refinanceCommand()
{
    static const Subcommand command { "refinance",
        "The new payment, the monthly saving, the closing costs and the months to break even of a refinanced mortgage.",
        options, "--payment 1200 --principal 150000 --years 30 --rate 6 --closing-costs 2000 --points 1", run };
    return command;
}

} // namespace cli
