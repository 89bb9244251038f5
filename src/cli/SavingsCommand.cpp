// corvanta-calc savings: the savings page's growth of savings with regular contributions.
#include "calculators/Checks.h"
#include "calculators/SavingsGrowth.h"
#include "cli/CommandList.h"

#include <string>
#include <string_view>

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "rate", "the annual interest rate in percent", &checks::savingsGrowth[0] },
    { "years", "how many years the savings grow", &checks::savingsGrowth[1] },
    { "current", "the current amount of savings; 0 when left out", nullptr, "a number" },
    { "contribution", "the contribution added each period; 0 when left out", nullptr, "a number" },
    { "every", "how often the contribution is added and interest compounds", nullptr,
        "year, month or week; year when left out" },
};

Report run(const Given& given, const Context& context)
{
    const calculators::SavingsGrowthInput input = readOptions(calculators::readSavingsGrowth, given, context);
    const finance::Extended futureValue = calculators::savingsFutureValue(input);

    Report report;
    report.texts = { calculators::savingsGrowthCaption(futureValue, context.settings) };
    report.figures = { moneyFigure("futureValue", futureValue, context.settings) };
    return report;
}

} // namespace

const Subcommand& savingsCommand()
{
    static const Subcommand command { "savings",
        "What savings grow to with regular contributions at an annual interest rate.", options,
        "--rate 7 --years 10 --current 1000 --contribution 100 --every month", run };
    return command;
}

} // namespace cli
