#pragma once

#include "finance/RegionalSettings.h"

#include <string>

namespace finance {

struct CivilDate
{
    int year;
    int month; // 1..12
    int day; // 1..31
};

enum class YearDigits {
    AsFormatted,
    Four, // a two-digit year of the format is written in full, for dates that may fall in another century
};

// The date in the regional short date format (m/d/yy gives 12/8/26, or 12/8/2026 with four year digits).
std::string shortDateText(
    const CivilDate& date, const RegionalSettings& settings, YearDigits yearDigits = YearDigits::AsFormatted);

// The month and the four-digit year as digits, in the order of the regional short date and joined by its first
// separator, so that it reads the same in every language: m/d/yy gives 12/2045, dd.mm.yyyy 12.2045 and
// yyyy-mm-dd 2045-12. A month written by name is written as two digits.
std::string monthYearText(const CivilDate& date, const RegionalSettings& settings);

} // namespace finance
