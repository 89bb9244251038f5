#include "calculators/MoneyMessages.h"

#include "finance/MessageTemplate.h"

namespace calculators {

std::string moneyMessage(const std::string& fieldName, const finance::RegionalSettings& settings)
{
    return finance::formatMessage("The %s must be 0 or more, at most %d with at most 2 decimals after a \"%s\", "
                                  "entered without %s or thousands separators.",
        { fieldName, largestPlanMoney, settings.decimalSeparator, settings.currencySymbol }, settings);
}

std::string amountMessage(const std::string& fieldName, const finance::RegionalSettings& settings)
{
    return finance::formatMessage("The %s must be between %s and %d with at most 2 decimals after a \"%s\", "
                                  "entered without %s or thousands separators.",
        { fieldName, "0" + settings.decimalSeparator + "01", largestPlanMoney, settings.decimalSeparator,
            settings.currencySymbol },
        settings);
}

} // namespace calculators
