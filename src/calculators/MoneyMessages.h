#pragma once

#include "calculators/ExtraPaymentsPlan.h"
#include "finance/RegionalSettings.h"

#include <cstdint>
#include <string>

namespace calculators {

// The planner's limits in the units its texts show them: percent and whole money. The offers keep them too.
constexpr std::int32_t highestPlanRatePercent = static_cast<std::int32_t>(highestPlanRate / 10000);
constexpr std::int32_t largestPlanMoney = static_cast<std::int32_t>(largestPlanAmount / 100);

// The warnings of the exact money fields: what the field takes, the decimal separator of the regional settings
// (a "6.5" typed under comma settings is refused), and that it is typed without the currency symbol. fieldName
// follows "The": "monthly extra payment", "lender fees of Offer B".
std::string moneyMessage(const std::string& fieldName, const finance::RegionalSettings& settings); // 0 or more
std::string amountMessage(const std::string& fieldName, const finance::RegionalSettings& settings); // 0.01 or more

} // namespace calculators
