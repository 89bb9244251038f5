// corvanta-calc prepay: the prepayment window's Calculate, for the loan the loan page solved.
#include "calculators/Checks.h"
#include "calculators/loan/Prepayment.h"
#include "cli/CommandList.h"
#include "cli/LoanOptions.h"

namespace cli {

namespace {

namespace checks = calculators::checks;

// The loan the loan page solved, then the prepayment window's fields.
const Option options[] = {
    loanOptions::rateAsItStands,
    loanOptions::yearsAsItStands,
    loanOptions::amountAsItStands,
    { "extra", "the additional monthly payment", &checks::prepayment[0] },
    { "from", "the month the additional payment starts in", &checks::prepayment[1] },
};

Report run(const Given& given, const Context& context)
{
    const calculators::PrepaymentInput input = readOptions(calculators::readPrepayment, given, context);
    const calculators::PrepaymentResult result = calculators::analysePrepayment(input);
    const calculators::PrepaymentTexts texts = calculators::prepaymentTexts(result, context.settings);

    const auto& settings = context.settings;
    Report report;
    report.texts = {
        "Normal interest cost: " + texts.normalInterest,
        "Interest costs by pre-paying: " + texts.prepaidInterest,
        "Interest Savings: " + texts.interestSavings,
        "Months reduced by prepaying: " + texts.monthsReduced,
    };
    report.figures = {
        moneyFigure("normalInterest", result.normalInterest, settings),
        moneyFigure("prepaidInterest", result.prepaidInterest, settings),
        moneyFigure("interestSavings", result.interestSavings, settings),
        groupedFigure("monthsReduced", result.monthsReduced, settings),
    };
    return report;
}

} // namespace

const Subcommand& prepayCommand()
{
    static const Subcommand command { "prepay",
        "What paying more each month from a given month on saves in interest and months.", options,
        "--rate 7 --years 15 --amount 100000 --extra 100 --from 13", run };
    return command;
}

} // namespace cli
