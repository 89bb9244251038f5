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

calculators::ContributionFrequency frequencyOf(const Given& given)
{
    using calculators::ContributionFrequency;
    const std::string every = given.text("every");
    if (every.empty() || every == "year")
        return ContributionFrequency::Annually;
    if (every == "month")
        return ContributionFrequency::Monthly;
    if (every == "week")
        return ContributionFrequency::Weekly;
    throw RefusedOption("every", "The contribution is added every year, month or week.");
}

// The contribution and the current amount are optional: an empty field counts as nothing. They are not checked:
// a text that is no number ends in the error box, as in the window.
finance::Extended optionalAmount(const Given& given, std::string_view name, const Context& context)
{
    return given.text(name).empty() ? 0 : decimalOption(given, name, context);
}

Report run(const Given& given, const Context& context)
{
    const calculators::FieldValues values = readOptions(checks::savingsGrowth, given, context);
    calculators::SavingsGrowthInput input;
    input.frequency = frequencyOf(given);
    input.annualRatePercent = values.decimal("rate");
    input.years = values.whole("years");
    input.contribution = optionalAmount(given, "contribution", context);
    input.currentAmount = optionalAmount(given, "current", context);
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
