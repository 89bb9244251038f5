#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <string>
#include <variant>

namespace calculators {

using finance::Extended;

struct RequiredReturnInput
{
    Extended currentValue = 0;
    Extended desiredValue = 0; // above the current value
    std::int32_t years = 0;
};

// The savings page's "current", "desired" and "years", checked in that order.
std::variant<RequiredReturnInput, FieldFailure> readRequiredReturn(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// The average yearly return, as a fraction, that grows currentValue to desiredValue in the given years
// with no further deposits. Arithmetic errors propagate as finance errors.
Extended requiredAnnualReturn(Extended currentValue, Extended desiredValue, std::int32_t years);

// "Requires 7.18 average percent return each year."; overflow of the percentage raises EOverflow.
std::string requiredReturnSentence(Extended annualReturn, const regional::RegionalSettings& settings);

} // namespace calculators
