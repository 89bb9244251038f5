// The loan page's calculator on arbitrary rate, years, payment and amount texts.
#include "CalculatorFuzz.h"
#include "calculators/loan/LoanSolver.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::LoanInput input;
        input.solveFor = fields.choice() % 2 == 0 ? calculators::LoanSolveFor::MonthlyPayment
                                                  : calculators::LoanSolveFor::LoanAmount;
        calculators::LoanReportContext context { {}, {}, { 2026, 12, 8 } };
        input.annualRatePercent = fields.decimal();
        context.rateAsTyped = fields.lastText();
        input.years = fields.whole();
        context.yearsAsTyped = fields.lastText();
        input.monthlyPayment = fields.decimal();
        input.loanAmount = fields.decimal();

        const calculators::LoanSolution solution = calculators::solveLoan(input);
        fuzz::requireFinite(solution.monthlyPayment, "finite payment");
        fuzz::requireFinite(solution.loanAmount, "finite amount");
        fuzz::requireFinite(solution.totalInterest, "finite interest");
        fuzz::requireText(calculators::loanResultCaption(input, solution, fields.settings()), "caption");
        fuzz::requireText(calculators::loanSolvedFieldText(input, solution, fields.settings()), "field text");
        fuzz::require(calculators::loanReportLines(input, solution, context, fields.settings()).size() == 7,
            "seven report lines");
    });
}
