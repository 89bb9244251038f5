#include "cli/DateOption.h"

#include "finance/CalendarDays.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

namespace cli {

finance::CivilDate firstPaymentOption(const Given& given, std::string_view option, const Context& context)
{
    if (!given.has(option))
        return finance::addMonths({ context.today.year, context.today.month, 1 }, 1);
    const std::string text = given.text(option);
    // Digits only, so that a date never depends on the regional short format: four for the year, up to two each
    // for the month and the day.
    const auto number = [](std::string_view part, std::size_t mostDigits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || part.size() > mostDigits || part.front() == '-' || error != std::errc {}
            || end != part.data() + part.size())
            return std::nullopt;
        return value;
    };
    const std::string_view date(text);
    const auto firstDash = date.find('-');
    const auto secondDash = firstDash == std::string_view::npos ? firstDash : date.find('-', firstDash + 1);
    const auto year = number(date.substr(0, firstDash), 4);
    const auto month = secondDash == std::string_view::npos
        ? std::nullopt
        : number(date.substr(firstDash + 1, secondDash - firstDash - 1), 2);
    const auto day = secondDash == std::string_view::npos ? std::nullopt : number(date.substr(secondDash + 1), 2);
    if (!year || !month || !day)
        throw RefusedOption(option, "The first payment date is written as year-month-day, such as 2027-01-01.");
    return { *year, *month, *day };
}

} // namespace cli
