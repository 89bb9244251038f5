#pragma once

#include "RegionalSettings.h"

#include <string>

namespace finance {

struct CivilDate
{
    int year;
    int month; // 1..12
    int day; // 1..31
};

// The date in the regional short date format (m/d/yy gives 12/8/26).
std::string shortDateText(const CivilDate& date, const RegionalSettings& settings);

} // namespace finance
