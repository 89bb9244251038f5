// corvanta-calc prepay: the prepayment window's Calculate, for the loan the loan page solved.
#include "FieldChecks.h"
#include "Prepayment.h"
#include "Subcommand.h"

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "rate", "the loan's annual interest rate in percent", &checks::loanRate },
    { "years", "the loan's term in years", &checks::loanYears },
    { "amount", "the loan amount", &checks::loanAmount },
    { "extra", "the additional monthly payment", &checks::prepayment[0] },
    { "from", "the month the additional payment starts in", &checks::prepayment[1] },
};

Report run(const Given& given, const Context& context)
{
    // The loan has passed the loan page's checks before the prepayment window opens.
    requirePass(checks::solveForPayment, given, context);
    requirePass(checks::prepayment, given, context);

    // Read in the window's order; a month that is no whole number ends in the error box there too.
    calculators::PrepaymentInput input;
    input.annualRatePercent = decimalOption(given, "rate", context);
    input.years = wholeOption(given, "years");
    input.loanAmount = decimalOption(given, "amount", context);
    input.extraPayment = decimalOption(given, "extra", context);
    input.startMonth = wholeOption(given, "from");
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

extern const Subcommand prepayCommand;
const Subcommand prepayCommand { "prepay",
    "What paying more each month from a given month on saves in interest and months.", options,
    "--rate 7 --years 15 --amount 100000 --extra 100 --from 13", run };

} // namespace cli
