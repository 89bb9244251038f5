#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"
#include "regional/ShortDate.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace calculators {

using finance::Extended;

// Which figure of a level-payment monthly loan is unknown.
enum class LoanSolveFor {
    MonthlyPayment, // from the loan amount
    LoanAmount, // from the affordable monthly payment
};

struct LoanInput
{
    LoanSolveFor solveFor = LoanSolveFor::MonthlyPayment;
    Extended annualRatePercent = 0;
    std::int32_t years = 0;
    Extended loanAmount = 0; // read in payment mode
    Extended monthlyPayment = 0; // read in amount mode
};

// The loan page's fields by name. The mode is "amount" to solve for the loan amount; any other text solves for the
// monthly payment.
namespace loanFields {
inline constexpr std::string_view solveFor = "solve-for", rate = "rate", years = "years", amount = "amount",
                                  payment = "payment";
} // namespace loanFields

// The rate and the term, then the figure the loan is solved from, each checked in that order. The figure being
// solved for is never refused: its value is taken where it passes its check and is 0 otherwise, since the result
// replaces it.
std::variant<LoanInput, FieldFailure> readLoan(const FieldTexts& texts, const regional::RegionalSettings& settings);

struct LoanSolution
{
    std::int32_t months = 0;
    Extended monthlyPayment = 0; // computed in payment mode, as given in amount mode
    Extended loanAmount = 0; // as given in payment mode, computed in amount mode
    Extended totalInterest = 0; // months x payment - amount
};

// Solves the loan with end-of-month payments; arithmetic errors propagate as finance errors.
LoanSolution solveLoan(const LoanInput& input);

// "Monthly Payment =  $898.83" or "Loan Amount =  $180,369.08".
std::string loanResultCaption(
    const LoanInput& input, const LoanSolution& solution, const regional::RegionalSettings& settings);

// The solved figure as it is written back into its entry field: a whole number, no separators.
std::string loanSolvedFieldText(
    const LoanInput& input, const LoanSolution& solution, const regional::RegionalSettings& settings);

// What the report shows besides the figures: the rate and years exactly as typed, and the date.
struct LoanReportContext
{
    std::string rateAsTyped;
    std::string yearsAsTyped;
    finance::CivilDate today;
};

// The seven lines of the loan analysis report.
std::vector<std::string> loanReportLines(const LoanInput& input, const LoanSolution& solution,
    const LoanReportContext& context, const regional::RegionalSettings& settings);

} // namespace calculators
