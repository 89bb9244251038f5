#include "regional/RegionalSettings.h"

#include "regional/ShortDate.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <locale.h>
#include <optional>
#include <string>

using regional::LocaleConventions;
using regional::RegionalSettings;

namespace {

LocaleConventions euroConventions()
{
    LocaleConventions c;
    c.currencySymbol = "€";
    c.decimalPoint = ",";
    c.thousandsSeparator = ".";
    c.monetaryDecimalPoint = ",";
    c.monetaryThousandsSeparator = ".";
    c.fracDigits = 2;
    c.pCsPrecedes = 0;
    c.pSepBySpace = 1;
    c.nCsPrecedes = 0;
    c.nSepBySpace = 1;
    c.nSignPosn = 1;
    c.dateFormat = "%d.%m.%Y";
    return c;
}

TEST(RegionalSettings, GermanLikeConventionsGiveEverySetting)
{
    RegionalSettings expected;
    expected.currencySymbol = "€";
    expected.positiveCurrencyForm = 3;
    expected.negativeCurrencyForm = 8;
    expected.thousandsSeparator = ".";
    expected.decimalSeparator = ",";
    expected.moneyDecimals = 2;
    expected.shortDateFormat = "dd.mm.yyyy";
    EXPECT_EQ(regional::regionalSettingsFrom(euroConventions()), expected);
}

TEST(RegionalSettings, NegativeFormIsTheNearestOfSixteen)
{
    // symbol first?, separated by a space?, sign position -> form
    const struct
    {
        int csPrecedes, sepBySpace, signPosn, form;
    } cases[] = { { 1, 0, 0, 0 }, { 1, 1, 0, 14 }, { 1, 0, 1, 1 }, { 1, 1, 1, 9 }, { 1, 0, 2, 3 }, { 1, 1, 2, 11 },
        { 1, 0, 3, 1 }, { 1, 1, 3, 9 }, { 1, 0, 4, 2 }, { 1, 1, 4, 12 }, { 0, 0, 0, 4 }, { 0, 1, 0, 15 },
        { 0, 0, 1, 5 }, { 0, 1, 1, 8 }, { 0, 0, 2, 7 }, { 0, 1, 2, 10 }, { 0, 0, 3, 6 }, { 0, 1, 3, 13 },
        { 0, 0, 4, 7 }, { 0, 1, 4, 10 }, { 1, 2, 4, 12 }, { 0, 2, 1, 8 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.csPrecedes << " " << c.sepBySpace << " " << c.signPosn);
        LocaleConventions conventions = euroConventions();
        conventions.nCsPrecedes = c.csPrecedes;
        conventions.nSepBySpace = c.sepBySpace;
        conventions.nSignPosn = c.signPosn;
        EXPECT_EQ(regional::regionalSettingsFrom(conventions).negativeCurrencyForm, c.form);
    }
}

TEST(RegionalSettings, PositiveFormAndUnspecifiedValues)
{
    const struct
    {
        int csPrecedes, sepBySpace, positiveForm, negativeForm;
    } cases[] = {
        { 1, 0, 0, 1 }, { 0, 0, 1, 5 }, { 1, 1, 2, 9 }, { 0, 1, 3, 8 }, { 0, 2, 3, 8 },
        { CHAR_MAX, CHAR_MAX, 0, 1 } // symbol first, no space, sign first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.csPrecedes << " " << c.sepBySpace);
        LocaleConventions conventions = euroConventions();
        conventions.pCsPrecedes = c.csPrecedes;
        conventions.pSepBySpace = c.sepBySpace;
        // The negative placement follows the positive one where the locale leaves it open.
        conventions.nCsPrecedes = CHAR_MAX;
        conventions.nSepBySpace = CHAR_MAX;
        conventions.nSignPosn = CHAR_MAX;
        const RegionalSettings settings = regional::regionalSettingsFrom(conventions);
        EXPECT_EQ(settings.positiveCurrencyForm, c.positiveForm);
        EXPECT_EQ(settings.negativeCurrencyForm, c.negativeForm);
    }
}

TEST(RegionalSettings, SeparatorsAndDecimalsFallBack)
{
    LocaleConventions conventions = euroConventions();
    conventions.thousandsSeparator = "";
    conventions.monetaryThousandsSeparator = "\u202F";
    conventions.fracDigits = CHAR_MAX;
    const RegionalSettings settings = regional::regionalSettingsFrom(conventions);
    EXPECT_EQ(settings.thousandsSeparator, "\u202F");
    EXPECT_EQ(settings.decimalSeparator, ",");
    EXPECT_EQ(settings.moneyDecimals, 2);

    conventions.fracDigits = 0;
    EXPECT_EQ(regional::regionalSettingsFrom(conventions).moneyDecimals, 0);
}

TEST(RegionalSettings, LocaleWithoutMonetaryDataGivesUnitedStatesValues)
{
    // What the C, POSIX and C.UTF-8 locales report.
    LocaleConventions c;
    c.decimalPoint = ".";
    c.dateFormat = "%m/%d/%y";
    EXPECT_EQ(regional::regionalSettingsFrom(c), RegionalSettings {});
}

TEST(RegionalSettings, SystemSettingsUnderCLocaleLeaveTheGlobalLocaleAlone)
{
    const char* previous = std::getenv("LC_ALL");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    setenv("LC_ALL", "C.UTF-8", 1);
    const std::string globalBefore = std::setlocale(LC_ALL, nullptr);

    EXPECT_EQ(regional::systemRegionalSettings(), RegionalSettings {});
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), globalBefore);

    if (saved)
        setenv("LC_ALL", saved->c_str(), 1);
    else
        unsetenv("LC_ALL");
}

TEST(RegionalSettings, ShortDateFormatFromStrftime)
{
    const struct
    {
        const char* strftime;
        const char* expected;
    } cases[] = { { "%m/%d/%y", "mm/dd/yy" }, { "%d.%m.%Y", "dd.mm.yyyy" }, { "%e.%m.%Y", "d.mm.yyyy" },
        { "%-d/%-m/%Y", "d/m/yyyy" }, { "%D", "mm/dd/yy" }, { "%F", "yyyy-mm-dd" },
        { "%Y年%m月%d日", "yyyy年mm月dd日" }, { "%Ey/%Om", "yy/mm" }, { "%d. %b %Y", "dd. mmm yyyy" },
        { "%A, %B %d, %Y", "dddd, mmmm dd, yyyy" }, { "%a %e.%h", "ddd d.mmm" },
        { "%d de %B de %Y", "dd 'd'e mmmm 'd'e yyyy" }, { "it's %y", "it''s yy" },
        { "%OC%Oy %b %Od %A", "yyyy mmm dd dddd" }, { "%C", "m/d/yy" }, { "%d %H", "m/d/yy" }, { "%d.%m.%", "m/d/yy" },
        { "", "m/d/yy" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strftime);
        EXPECT_EQ(regional::shortDateFormatFromStrftime(c.strftime), c.expected);
    }
}

TEST(RegionalSettings, DateNamesComeFromTheLocale)
{
    LocaleConventions conventions = euroConventions();
    conventions.dateFormat = "%d. %b %Y";
    conventions.dateNames.abbreviatedMonths[11] = "des.";
    conventions.dateNames.months[0] = ""; // not given: the English name stays
    const RegionalSettings settings = regional::regionalSettingsFrom(conventions);
    EXPECT_EQ(regional::shortDateText({ 2026, 12, 8 }, settings), "08. des. 2026");
    EXPECT_EQ(settings.dateNames.months[0], "January");
}

// nb_NO is compiled into the build tree for this test (LOCPATH); it writes the month's name.
TEST(RegionalSettings, NorwegianLocaleShowsItsOwnShortDate)
{
    locale_t norwegian = newlocale(LC_ALL_MASK, "nb_NO.UTF-8", locale_t {});
    if (norwegian == locale_t {})
        GTEST_SKIP() << "nb_NO.UTF-8 is not available";
    freelocale(norwegian);
    const char* previous = std::getenv("LC_ALL");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    setenv("LC_ALL", "nb_NO.UTF-8", 1);

    const RegionalSettings settings = regional::systemRegionalSettings();
    EXPECT_EQ(settings.shortDateFormat, "dd. mmm yyyy");
    EXPECT_EQ(regional::shortDateText({ 2026, 12, 8 }, settings), "08. des. 2026");
    EXPECT_EQ(regional::shortDateText({ 2026, 3, 4 }, settings), "04. mars 2026");

    if (saved)
        setenv("LC_ALL", saved->c_str(), 1);
    else
        unsetenv("LC_ALL");
}

} // namespace
