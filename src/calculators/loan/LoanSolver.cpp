#include "calculators/loan/LoanSolver.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"

namespace calculators {

using finance::PaymentTiming;

std::variant<LoanInput, FieldFailure> readLoan(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    const bool paymentMode = texts.text(loanFields::solveFor) != loanFields::amount;
    auto read = readFields(paymentMode ? checks::solveForPayment : checks::solveForAmount, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return std::move(*failure);
    const FieldValues& values = std::get<FieldValues>(read);
    const FieldCheck& solved = paymentMode ? checks::loanPayment : checks::loanAmount;
    const Extended solvedValue = acceptedValue(solved, texts.text(solved.field), settings).value_or(0);

    LoanInput input;
    input.solveFor = paymentMode ? LoanSolveFor::MonthlyPayment : LoanSolveFor::LoanAmount;
    input.annualRatePercent = values.decimal(loanFields::rate);
    input.years = values.whole(loanFields::years);
    input.loanAmount = paymentMode ? values.decimal(loanFields::amount) : solvedValue;
    input.monthlyPayment = paymentMode ? solvedValue : values.decimal(loanFields::payment);
    return input;
}

LoanSolution solveLoan(const LoanInput& input)
{
    LoanSolution solution;
    solution.months = finance::checked::multiply(input.years, 12);
    const Extended rate = finance::monthlyRate(input.annualRatePercent);
    const Extended months = solution.months;

    if (input.solveFor == LoanSolveFor::MonthlyPayment) {
        solution.loanAmount = input.loanAmount;
        solution.monthlyPayment
            = finance::Payment(rate, solution.months, -input.loanAmount, 0, PaymentTiming::EndOfPeriod);
    } else {
        solution.monthlyPayment = input.monthlyPayment;
        solution.loanAmount
            = -finance::PresentValue(rate, solution.months, input.monthlyPayment, 0, PaymentTiming::EndOfPeriod);
    }
    solution.totalInterest
        = finance::checked::result(finance::checked::result(months * solution.monthlyPayment) - solution.loanAmount);
    return solution;
}

std::string loanResultCaption(
    const LoanInput& input, const LoanSolution& solution, const regional::RegionalSettings& settings)
{
    if (input.solveFor == LoanSolveFor::MonthlyPayment)
        return "Monthly Payment =  " + regional::moneyText(solution.monthlyPayment, settings);
    return "Loan Amount =  " + regional::moneyText(solution.loanAmount, settings);
}

std::string loanSolvedFieldText(
    const LoanInput& input, const LoanSolution& solution, const regional::RegionalSettings& settings)
{
    const Extended solved
        = input.solveFor == LoanSolveFor::MonthlyPayment ? solution.monthlyPayment : solution.loanAmount;
    return regional::fixedText(solved, 0, settings);
}

std::vector<std::string> loanReportLines(const LoanInput& input, const LoanSolution& solution,
    const LoanReportContext& context, const regional::RegionalSettings& settings)
{
    const auto money = [&settings](Extended value) { return regional::moneyText(value, settings); };

    std::string figures;
    if (input.solveFor == LoanSolveFor::MonthlyPayment) {
        figures = "Borrowing " + money(solution.loanAmount) + " would give you a monthly payment of "
            + money(solution.monthlyPayment);
    } else {
        figures = "With a monthly payment of " + money(solution.monthlyPayment)
            + " you can borrow up to:  " + money(solution.loanAmount);
    }

    return {
        "Loan Analysis Date:    " + regional::shortDateText(context.today, settings)
            + "               Prepared for:                   Prepared by:",
        "",
        "LOAN VARIABLES:",
        "Interest Rate: " + context.rateAsTyped + "%         Loan Term: " + context.yearsAsTyped + " Years",
        figures,
        "Interest cost over the term of the loan is:  " + money(solution.totalInterest),
        "For more loan details, click the MATRIX, SCHEDULE, or PREPAY buttons below.",
    };
}

} // namespace calculators
