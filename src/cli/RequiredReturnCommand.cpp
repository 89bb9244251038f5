// corvanta-calc required-return: the savings page's return that a savings goal requires.
#include "calculators/Checks.h"
#include "calculators/RequiredReturn.h"
#include "cli/CommandList.h"
#include "finance/Percent.h"

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
    const calculators::RequiredReturnInput input = readOptions(calculators::readRequiredReturn, given, context);
    const finance::Extended annualReturn
        = calculators::requiredAnnualReturn(input.currentValue, input.desiredValue, input.years);

    Report report;
    report.texts = { calculators::requiredReturnSentence(annualReturn, context.settings) };
    report.figures = { fixedFigure("annualReturnPercent", finance::percentageOf(annualReturn), 2, context.settings) };
    return report;
}

} // namespace

const Subcommand& requiredReturnCommand()
{
    static const Subcommand command { "required-return",
        "The average yearly return that grows the savings there are to a goal.", options,
        "--current 10000 --desired 20000 --years 10", run };
    return command;
}

} // namespace cli
