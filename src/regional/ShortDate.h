#pragma once

#include "finance/CalendarDays.h"
#include "regional/RegionalSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace regional {

enum class YearDigits {
    AsFormatted,
    Four, // a two-digit year of the format is written in full, for dates that may fall in another century
};

// The date in the regional short date format (m/d/yy gives 12/8/26, or 12/8/2026 with four year digits).
std::string shortDateText(
    const finance::CivilDate& date, const RegionalSettings& settings, YearDigits yearDigits = YearDigits::AsFormatted);

// The month and the four-digit year as digits, in the order of the regional short date and joined by its first
// separator, so that it reads the same in every language: m/d/yy gives 12/2045, dd.mm.yyyy 12.2045 and
// yyyy-mm-dd 2045-12. A month written by name is written as two digits.
std::string monthYearText(const finance::CivilDate& date, const RegionalSettings& settings);

// The date as year-month-day in digits, whatever the regional settings: 2050-01-31.
std::string isoDateText(const finance::CivilDate& date);

// A date written year-month-day in digits (four for the year, up to two each for the month and the day), or none.
// Whether the day is in the calendar is not checked.
std::optional<finance::CivilDate> isoDate(std::string_view text);

} // namespace regional
