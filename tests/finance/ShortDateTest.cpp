#include "ShortDate.h"

#include <gtest/gtest.h>

using finance::CivilDate;
using finance::RegionalSettings;

namespace {

TEST(ShortDate, TokensOfTheRegionalFormat)
{
    const struct
    {
        const char* format;
        CivilDate date;
        const char* expected;
    } cases[] = { { "m/d/yy", { 2026, 12, 8 }, "12/8/26" }, { "m/d/yy", { 2005, 3, 4 }, "3/4/05" },
        { "mm/dd/yyyy", { 2026, 3, 4 }, "03/04/2026" }, { "dd.mm.yyyy", { 1999, 11, 30 }, "30.11.1999" },
        { "yyyy-mm-dd", { 2000, 1, 9 }, "2000-01-09" }, { "D/M/YY", { 2026, 7, 1 }, "1/7/26" },
        { "yyyy年m月d日", { 2026, 5, 17 }, "2026年5月17日" },
        { "yyy ddd", { 2026, 5, 7 }, "26y 077" }, // longest tokens first: yy y, dd d
        { "mm/dd/yy", { 2100, 2, 3 }, "02/03/00" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        RegionalSettings settings;
        settings.shortDateFormat = c.format;
        EXPECT_EQ(finance::shortDateText(c.date, settings), c.expected);
    }
}

} // namespace
