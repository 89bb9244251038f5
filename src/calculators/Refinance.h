#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <variant>

namespace calculators {

using finance::Extended;

// The current mortgage payment and the proposed refinanced loan with its costs.
struct RefinanceInput
{
    Extended currentPayment = 0;
    Extended principal = 0;
    std::int32_t termYears = 0;
    Extended annualRatePercent = 0;
    Extended closingCosts = 0;
    Extended pointsPercent = 0; // of the refinanced principal
};

// The refinancing page's fields, checked in the order the page checks them (checks::refinance), as its input.
std::variant<RefinanceInput, FieldFailure> readRefinance(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

struct RefinanceSavings
{
    Extended newPayment = 0; // monthly, payments at the end of each month
    Extended monthlySaving = 0; // negative when the new loan costs more
    Extended totalClosingCosts = 0; // closing costs plus points
};

// The new payment, the saving and the cost of refinancing; arithmetic errors propagate as finance errors.
RefinanceSavings refinanceSavings(const RefinanceInput& input);

// The warning beside the results when the new payment is higher than the current one.
inline constexpr const char* moreExpensiveMessage
    = "ERROR: Your refinanced mortgage is MORE expensive than your current "
      "mortgage. Please double-check your data entry and re-enter.";

// Months of savings that pay back the closing costs. A saving of exactly 0 raises EZeroDivide
// (EInvalidOp when the costs are 0 too): there is no break-even to show.
Extended breakEvenMonths(const RefinanceSavings& savings);

} // namespace calculators
