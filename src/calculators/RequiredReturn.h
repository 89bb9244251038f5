#pragma once

#include "finance/Extended.h"
#include "finance/RegionalSettings.h"

#include <cstdint>
#include <string>

namespace calculators {

using finance::Extended;

// The average yearly return, as a fraction, that grows currentValue to desiredValue in the given years
// with no further deposits. Arithmetic errors propagate as finance errors.
Extended requiredAnnualReturn(Extended currentValue, Extended desiredValue, std::int32_t years);

// "Requires 7.18 average percent return each year."; overflow of the percentage raises EOverflow.
std::string requiredReturnSentence(Extended annualReturn, const finance::RegionalSettings& settings);

} // namespace calculators
