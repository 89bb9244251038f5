#pragma once

#include <cstdint>

namespace finance {

// A day of the calendar.
struct CivilDate
{
    int year;
    int month; // 1..12
    int day; // 1..31
};

// Day arithmetic on the proleptic Gregorian calendar.

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(const CivilDate& date);

// Days since 1 January 1970 (negative before it), and back.
std::int64_t dayNumber(const CivilDate& date);
CivilDate dateOfDayNumber(std::int64_t days);

// The same day of the month `months` months later; the month's last day when the month is shorter, so that
// 31 January gives 28 or 29 February and 31 March.
CivilDate addMonths(const CivilDate& date, std::int32_t months);

} // namespace finance
