#include "calculators/extrapayments/ExtraPaymentsRules.h"

#include "finance/CalendarDays.h"
#include "regional/MessageTemplate.h"

namespace calculators {

std::string moneyMessage(const std::string& fieldName, const regional::RegionalSettings& settings)
{
    return regional::formatMessage("The %s must be 0 or more, at most %d with at most 2 decimals after a \"%s\", "
                                   "entered without %s or thousands separators.",
        { fieldName, largestPlanMoney, settings.decimalSeparator, settings.currencySymbol }, settings);
}

std::string amountMessage(const std::string& fieldName, const regional::RegionalSettings& settings)
{
    return regional::formatMessage("The %s must be between %s and %d with at most 2 decimals after a \"%s\", "
                                   "entered without %s or thousands separators.",
        { fieldName, "0" + settings.decimalSeparator + "01", largestPlanMoney, settings.decimalSeparator,
            settings.currencySymbol },
        settings);
}

void requirePlanDate(FieldReader& read, const finance::CivilDate& date, std::string_view field,
    const regional::RegionalSettings& settings)
{
    read.require(finance::isValidDate(date) && date.year >= earliestPlanYear && date.year <= latestPlanYear,
        { field, std::nullopt,
            regional::formatMessage("The first payment date must be a day of the calendar in the years %d to %d.",
                { earliestPlanYear, latestPlanYear }, settings) });
}

} // namespace calculators
