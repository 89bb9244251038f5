#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace calculators {

using finance::Extended;

// A level-payment monthly loan and an extra amount paid every month from a starting month on.
struct PrepaymentInput
{
    Extended annualRatePercent = 0;
    std::int32_t years = 0;
    Extended loanAmount = 0;
    Extended extraPayment = 0;
    std::int32_t startMonth = 1; // the first month with the extra payment
};

// The prepayment window's "extra" and "from", checked; then, as the window reads them at every Calculate without
// checks, the loan page's "rate", "years" and "amount", the extra payment, and the starting month as a whole number.
// A text that does not convert there (a starting month of 1.5 passes the check as a decimal number) raises the number
// entry's EConvertError.
std::variant<PrepaymentInput, FieldFailure> readPrepayment(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

struct PrepaymentResult
{
    Extended normalInterest = 0; // months x payment - amount, as scheduled
    Extended prepaidInterest = 0; // the interest of the months until the balance runs out
    Extended interestSavings = 0;
    std::int32_t monthsReduced = 0; // months of the term the extra payments leave unused
};

// Runs the loan month by month with the extra payments until its balance falls below what the month
// would repay (level principal of the first month, plus the extra payment once it is being paid), and
// never past the loan's term. Arithmetic errors, a term of 0 months included, propagate as finance errors.
PrepaymentResult analysePrepayment(const PrepaymentInput& input);

// The balance after each month that the analysis runs through, in order. The month that ends the analysis
// may leave a balance below zero (it is processed in full) or up to its threshold.
std::vector<Extended> prepaymentBalances(const PrepaymentInput& input);

// The four results as the window shows them: three amounts as money text, the months as grouped text.
struct PrepaymentTexts
{
    std::string normalInterest;
    std::string prepaidInterest;
    std::string interestSavings;
    std::string monthsReduced;
};
PrepaymentTexts prepaymentTexts(const PrepaymentResult& result, const regional::RegionalSettings& settings);

} // namespace calculators
