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

// How often a contribution is added; interest compounds at the same interval.
enum class ContributionFrequency {
    Annually,
    Monthly,
    Weekly,
};

struct SavingsGrowthInput
{
    Extended annualRatePercent = 0;
    std::int32_t years = 0;
    Extended contribution = 0; // per period, added at the end of each period
    Extended currentAmount = 0;
    ContributionFrequency frequency = ContributionFrequency::Annually;
};

// The savings page's "rate" and "years", checked; "every", "year" (or empty), "month" or "week"; then "contribution"
// and "current", which are not checked: empty counts as 0, and a text that does not convert raises the number
// entry's EConvertError.
std::variant<SavingsGrowthInput, FieldFailure> readSavingsGrowth(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// What the savings grow to, as the 6-byte real holds it. FutureValue's argument error, overflow of
// the 6-byte real and other arithmetic errors propagate as finance errors.
Extended savingsFutureValue(const SavingsGrowthInput& input);

// "$19,318.14 value in future".
std::string savingsGrowthCaption(Extended futureValue, const regional::RegionalSettings& settings);

} // namespace calculators
