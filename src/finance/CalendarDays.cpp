#include "finance/CalendarDays.h"

namespace finance {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidDate(const CivilDate& date)
{
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

// Howard Hinnant's days_from_civil: years counted from March, so that the leap day ends a year.
std::int64_t dayNumber(const CivilDate& date)
{
    const std::int64_t year = std::int64_t { date.year } - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate dateOfDayNumber(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return { year, month, day };
}

CivilDate addMonths(const CivilDate& date, std::int32_t months)
{
    const std::int64_t index = std::int64_t { date.year } * 12 + (date.month - 1) + months;
    const std::int64_t year = (index >= 0 ? index : index - 11) / 12;
    const int month = static_cast<int>(index - year * 12) + 1;
    const int shownYear = static_cast<int>(year);
    const int lastDay = daysInMonth(shownYear, month);
    return { shownYear, month, date.day < lastDay ? date.day : lastDay };
}

} // namespace finance
