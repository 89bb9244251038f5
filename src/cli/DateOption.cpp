#include "cli/DateOption.h"

#include "finance/CalendarDays.h"
#include "regional/ShortDate.h"

namespace cli {

std::string firstPaymentText(const Given& given, std::string_view option, const Context& context)
{
    if (given.has(option))
        return given.text(option);
    return regional::isoDateText(finance::addMonths({ context.today.year, context.today.month, 1 }, 1));
}

} // namespace cli
