// corvanta-calc required-return: the savings page's return that a savings goal requires.
#include "FieldChecks.h"
#include "Percent.h"
#include "RequiredReturn.h"
#include "Subcommand.h"

#include <cstdint>

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "current", "the savings there are now", &checks::requiredReturn[0] },
    { "desired", "what the savings should be worth", &checks::requiredReturn[1] },
    { "years", "how many years the money grows", &checks::requiredReturn[2] },
};

Report run(const Given& given, const Context& context)
{
    requirePass(checks::requiredReturn, given, context);
    const std::int32_t years = wholeOption(given, "years");
    const finance::Extended currentValue = decimalOption(given, "current", context);
    const finance::Extended desiredValue = decimalOption(given, "desired", context);
    const finance::Extended annualReturn = calculators::requiredAnnualReturn(currentValue, desiredValue, years);

    Report report;
    report.texts = { calculators::requiredReturnSentence(annualReturn, context.settings) };
    report.figures = { fixedFigure("annualReturnPercent", finance::percentageOf(annualReturn), 2, context.settings) };
    return report;
}

} // namespace

extern const Subcommand requiredReturnCommand;
const Subcommand requiredReturnCommand { "required-return",
    "The average yearly return that grows the savings there are to a goal.", options,
    "--current 10000 --desired 20000 --years 10", run };

} // namespace cli
