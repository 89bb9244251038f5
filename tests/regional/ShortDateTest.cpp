#include "regional/ShortDate.h"

#include <gtest/gtest.h>

using finance::CivilDate;
using regional::RegionalSettings;

namespace {

TEST(ShortDate, TokensOfTheRegionalFormat)
{
    const struct
    {
        const char* format;
        finance::CivilDate date;
        const char* expected;
    } cases[] = { { "m/d/yy", { 2026, 12, 8 }, "12/8/26" }, { "m/d/yy", { 2005, 3, 4 }, "3/4/05" },
        { "mm/dd/yyyy", { 2026, 3, 4 }, "03/04/2026" }, { "dd.mm.yyyy", { 1999, 11, 30 }, "30.11.1999" },
        { "yyyy-mm-dd", { 2000, 1, 9 }, "2000-01-09" }, { "D/M/YY", { 2026, 7, 1 }, "1/7/26" },
        { "yyyy年m月d日", { 2026, 5, 17 }, "2026年5月17日" },
        { "yyy dd", { 2026, 5, 7 }, "26y 07" }, // longest tokens first: yy y
        { "dddd, mmmm d, yyyy", { 2026, 12, 8 }, "Tuesday, December 8, 2026" },
        { "ddd d mmm yy", { 2000, 1, 1 }, "Sat 1 Jan 00" }, { "ddd mmm dd", { 2024, 2, 29 }, "Thu Feb 29" },
        { "ddd dd/mm", { 1999, 3, 1 }, "Mon 01/03" }, { "d 'de' mmmm", { 2026, 5, 7 }, "7 de May" },
        { "''yy 'y'", { 2026, 5, 7 }, "'26 y" }, { "mm/dd/yy", { 2100, 2, 3 }, "02/03/00" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        RegionalSettings settings;
        settings.shortDateFormat = c.format;
        EXPECT_EQ(regional::shortDateText(c.date, settings), c.expected);
    }
}

// Dates of a plan that may run into the next century keep the regional order and separators but write the year
// in full; a month and year are the short date's digits in its order, whatever the locale calls the month.
TEST(ShortDate, FourDigitYearsAndMonthYearTexts)
{
    const struct
    {
        const char* format;
        finance::CivilDate date;
        const char* fourDigitYear;
        const char* monthYear;
    } cases[] = {
        { "m/d/yy", { 2050, 1, 31 }, "1/31/2050", "1/2050" },
        { "dd.mm.yyyy", { 2045, 12, 1 }, "01.12.2045", "12.2045" },
        { "dd/mm/yy", { 2101, 2, 3 }, "03/02/2101", "02/2101" },
        { "yyyy-mm-dd", { 2045, 6, 9 }, "2045-06-09", "2045-06" },
        { "dd. mmm yyyy", { 2045, 12, 1 }, "01. Dec 2045", "12.2045" },
        { "ddd, mmmm d yy", { 2045, 3, 1 }, "Wed, March 1 2045", "03/2045" },
        { "yyyy年m月d日", { 2045, 5, 17 }, "2045年5月17日", "2045/5" },
        { "d 'de' mmmm 'de' yy", { 2045, 5, 7 }, "7 de May de 2045", "05/2045" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        RegionalSettings settings;
        settings.shortDateFormat = c.format;
        EXPECT_EQ(regional::shortDateText(c.date, settings, regional::YearDigits::Four), c.fourDigitYear);
        EXPECT_EQ(regional::monthYearText(c.date, settings), c.monthYear);
    }
}

TEST(ShortDate, NamesAreTheLocales)
{
    RegionalSettings settings;
    settings.shortDateFormat = "dd. mmm yyyy / dddd d. mmmm";
    settings.dateNames.abbreviatedMonths[11] = "des.";
    settings.dateNames.months[11] = "desember";
    settings.dateNames.days[2] = "tirsdag";
    EXPECT_EQ(regional::shortDateText({ 2026, 12, 8 }, settings), "08. des. 2026 / tirsdag 8. desember");
}

} // namespace
