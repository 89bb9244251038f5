// corvanta-calc loan: the loan page's Calculate, solving for the payment or for the amount.
#include "calculators/Checks.h"
#include "calculators/loan/LoanSolver.h"
#include "cli/CommandList.h"
#include "cli/LoanOptions.h"

#include <string>
#include <utility>

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    loanOptions::rate,
    loanOptions::years,
    { "amount", "the loan amount; solves for the monthly payment", &checks::loanAmount },
    { "payment", "the monthly payment; without --amount, solves for the amount it repays", &checks::loanPayment },
    { calculators::loanFields::solveFor, "what is solved for, as the page's Solve For chooses it", nullptr,
        "payment or amount; without it, the payment unless only --payment is given" },
};

Report run(const Given& given, const Context& context)
{
    const std::string solveFor = given.text(calculators::loanFields::solveFor);
    if (!solveFor.empty() && solveFor != "payment" && solveFor != "amount")
        throw RefusedOption(calculators::loanFields::solveFor, "Solve for payment or amount.");
    const bool paymentMode = solveFor.empty() ? given.has("amount") || !given.has("payment") : solveFor == "payment";
    calculators::FieldTexts texts = given.fieldTexts();
    texts.set(calculators::loanFields::solveFor, paymentMode ? "payment" : "amount");
    const calculators::LoanInput input = readOptions(calculators::readLoan, texts, context);
    const calculators::LoanSolution solution = calculators::solveLoan(input);

    const auto& settings = context.settings;
    Report report;
    report.texts.push_back(calculators::loanResultCaption(input, solution, settings));
    const calculators::LoanReportContext reportContext { given.text("rate"), given.text("years"), context.today };
    for (std::string& line : calculators::loanReportLines(input, solution, reportContext, settings))
        report.texts.push_back(std::move(line));
    report.figures = {
        moneyFigure("monthlyPayment", solution.monthlyPayment, settings),
        moneyFigure("loanAmount", solution.loanAmount, settings),
        moneyFigure("totalInterest", solution.totalInterest, settings),
        integerFigure("months", solution.months),
    };
    return report;
}

} // namespace

const Subcommand& loanCommand()
{
    static const Subcommand command { "loan",
        "The monthly payment of a loan, or the amount a monthly payment repays, with the loan analysis report.",
        options, "--rate 7 --years 15 --amount 100000", run };
    return command;
}

} // namespace cli
