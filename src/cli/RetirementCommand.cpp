// corvanta-calc retirement: the retirement page's need (Calculate) and, with --assets, its savings plan (How To).
#include "calculators/Checks.h"
#include "calculators/RetirementPlanner.h"
#include "cli/CommandList.h"

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "age", "your current age", &checks::retirementNeed[0] },
    { "retire-at", "the age at which you retire", &checks::retirementNeed[1] },
    { "income", "the monthly income in retirement, in today's money", &checks::retirementNeed[2] },
    { "years", "the years of retirement", &checks::retirementNeed[3] },
    { "growth", "the annual growth of the savings in percent", &checks::retirementNeed[4] },
    { "inflation", "the annual inflation in percent", &checks::retirementNeed[5] },
    { "assets", "the retirement assets there are now; the plan is left out without them", &checks::retirementPlan[0] },
};

Report run(const Given& given, const Context& context)
{
    const calculators::RetirementInput input = readOptions(calculators::readRetirementNeed, given, context);
    const bool withPlan = given.has("assets");
    const calculators::RetirementAssets assets
        = withPlan ? readOptions(calculators::readRetirementAssets, given, context) : calculators::RetirementAssets {};
    const calculators::RetirementNeed need = calculators::retirementNeed(input);

    const auto& settings = context.settings;
    Report report;
    report.texts = { calculators::retirementNeedSentence(input, need, settings) };
    report.figures = {
        wholeMoneyFigure("need", need.need, settings),
        wholeMoneyFigure("inflatedMonthlyIncome", need.inflatedMonthlyIncome, settings),
    };
    if (!withPlan)
        return report;
    const calculators::RetirementPlan plan = calculators::retirementPlan(input, assets.currentAssets);
    report.texts.push_back(calculators::retirementPlanText(input, plan, settings));
    report.figures.push_back(moneyFigure("projectedAssets", plan.projectedAssets, settings));
    report.figures.push_back(moneyFigure("shortage", plan.shortage, settings));
    if (plan.annualContribution)
        report.figures.push_back(moneyFigure("annualContribution", *plan.annualContribution, settings));
    return report;
}

} // namespace

const Subcommand& retirementCommand()
{
    static const Subcommand command { "retirement",
        "The savings needed at retirement for an inflation-adjusted monthly income, and what to save each year.",
        options, "--age 35 --retire-at 65 --income 3000 --years 25 --growth 7 --inflation 3 --assets 50000", run };
    return command;
}

} // namespace cli
