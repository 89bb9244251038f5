#pragma once

#include "calculators/extrapayments/ExtraPaymentsPlan.h"
#include "calculators/fields/FieldReader.h"
#include "regional/RegionalSettings.h"
#include "regional/ShortDate.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calculators {

// The planner's limits in the units its texts show them: percent and whole money. The offers keep them too.
constexpr std::int32_t highestPlanRatePercent = static_cast<std::int32_t>(highestPlanRate / 10000);
constexpr std::int32_t largestPlanMoney = static_cast<std::int32_t>(largestPlanAmount / 100);

// The warnings of the exact money fields: what the field takes, the decimal separator of the regional settings
// (a "6.5" typed under comma settings is refused), and that it is typed without the currency symbol. fieldName
// follows "The": "monthly extra payment", "lender fees of Offer B".
std::string moneyMessage(const std::string& fieldName, const regional::RegionalSettings& settings); // 0 or more
std::string amountMessage(const std::string& fieldName, const regional::RegionalSettings& settings); // 0.01 or more

// The warning for a first payment date not written year-month-day.
inline constexpr std::string_view firstPaymentFormMessage
    = "The first payment date is written as year-month-day, such as 2027-01-01.";

// Requires the first payment date to be a day of the calendar in the years a plan may start in.
void requirePlanDate(FieldReader& read, const finance::CivilDate& date, std::string_view field,
    const regional::RegionalSettings& settings);

} // namespace calculators
