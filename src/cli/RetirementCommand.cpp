// corvanta-calc retirement: the retirement page's need (Calculate) and, with --assets, its savings plan (How To).
#include "FieldChecks.h"
#include "RetirementPlanner.h"
#include "Subcommand.h"

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
    requirePass(checks::retirementNeed, given, context);
    const bool withPlan = given.has("assets");
    if (withPlan)
        requirePass(checks::retirementPlan, given, context);
    calculators::RetirementInput input;
    input.currentAge = wholeOption(given, "age");
    input.retirementAge = wholeOption(given, "retire-at");
    input.monthlyIncome = decimalOption(given, "income", context);
    input.retirementYears = wholeOption(given, "years");
    input.growthPercent = decimalOption(given, "growth", context);
    input.inflationPercent = decimalOption(given, "inflation", context);
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
    const calculators::RetirementPlan plan
        = calculators::retirementPlan(input, decimalOption(given, "assets", context));
    report.texts.push_back(calculators::retirementPlanText(input, plan, settings));
    report.figures.push_back(moneyFigure("projectedAssets", plan.projectedAssets, settings));
    report.figures.push_back(moneyFigure("shortage", plan.shortage, settings));
    if (plan.annualContribution)
        report.figures.push_back(moneyFigure("annualContribution", *plan.annualContribution, settings));
    return report;
}

} // namespace

extern const Subcommand retirementCommand;
const Subcommand retirementCommand { "retirement",
    "The savings needed at retirement for an inflation-adjusted monthly income, and what to save each year.", options,
    "--age 35 --retire-at 65 --income 3000 --years 25 --growth 7 --inflation 3 --assets 50000", run };

} // namespace cli
