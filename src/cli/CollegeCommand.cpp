// corvanta-calc college: the college page's Calculate, which projects the cost and plans the saving for it.
#include "calculators/Checks.h"
#include "calculators/CollegePlan.h"
#include "cli/CommandList.h"

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "age", "the child's current age", &checks::collegeCost[0] },
    { "start-age", "the age at which college starts", &checks::collegeCost[1] },
    { "cost", "the annual cost of college in today's money", &checks::collegeCost[2] },
    { "years", "the years of college", &checks::collegeCost[3] },
    { "increase", "the yearly increase of the cost in percent", &checks::collegeCost[4] },
    { "fund", "the education fund there is now", &checks::collegeFund[0] },
    { "growth", "the fund's annual growth in percent", &checks::collegeFund[1] },
};

Report run(const Given& given, const Context& context)
{
    const calculators::CollegeCostInput input = readOptions(calculators::readCollegeCost, given, context);
    const calculators::CollegeFund fund = readOptions(calculators::readCollegeFund, given, context);
    const calculators::CollegeCost cost = calculators::projectCollegeCost(input);
    const calculators::CollegePlan plan = calculators::planCollegeSaving(input, fund);

    const auto& settings = context.settings;
    Report report;
    report.texts = { calculators::collegeCostSentence(cost, settings), calculators::collegePlanText(plan, settings) };
    report.figures = {
        integerFigure("yearsUntilCollege", cost.yearsUntilCollege),
        wholeMoneyFigure("totalCost", cost.totalCost, settings),
        moneyFigure("fundAtCollegeStart", plan.fundAtCollegeStart, settings),
        moneyFigure("shortage", plan.shortage, settings),
        moneyFigure("annualContribution", plan.annualContribution, settings),
    };
    return report;
}

} // namespace

const Subcommand& collegeCommand()
{
    static const Subcommand command { "college",
        "The total cost of college when it starts, and what to save each year until then.", options,
        "--age 5 --start-age 18 --cost 7000 --years 4 --increase 5 --fund 0 --growth 7", run };
    return command;
}

} // namespace cli
