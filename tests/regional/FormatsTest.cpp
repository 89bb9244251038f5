#include "regional/Formats.h"

#include "RegionalPresets.h"
#include "regional/NumberEntry.h"

#include <clocale>
#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>
#include <string>

using finance::Extended;
using regional::RegionalSettings;

namespace {

const RegionalSettings us;

using Format = std::function<std::string(finance::Extended)>;

const Format money = [](finance::Extended v) { return regional::moneyText(v, us); };
const Format wholeMoney = [](finance::Extended v) { return regional::wholeMoneyText(v, us); };
const Format fixed0 = [](finance::Extended v) { return regional::fixedText(v, 0, us); };
const Format fixed1 = [](finance::Extended v) { return regional::fixedText(v, 1, us); };
const Format fixed2 = [](finance::Extended v) { return regional::fixedText(v, 2, us); };
const Format grouped = [](finance::Extended v) { return regional::groupedText(v, us); };
const Format general = [](finance::Extended v) { return regional::generalText(v, us); };

struct FormatCase
{
    const char* name;
    const Format& format;
    finance::Extended value;
    const char* expected;
};

void expectTexts(std::initializer_list<FormatCase> cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " of " << static_cast<double>(c.value));
        EXPECT_EQ(c.format(c.value), c.expected);
    }
}

// Ties are rounded on the decimal digits: the nearest binary values of 2.675 and 0.005 lie just below them.
TEST(Formats, TiesRoundHalfAwayFromZero)
{
    expectTexts({
        { "fixed 2", fixed2, 0.125L, "0.13" },
        { "fixed 2", fixed2, 2.675L, "2.68" },
        { "fixed 2", fixed2, 1.005L, "1.01" },
        { "fixed 2", fixed2, 9.995L, "10.00" },
        { "fixed 0", fixed0, 2.5L, "3" },
        { "fixed 0", fixed0, -7.5L, "-8" },
        { "money", money, 0.005L, "$0.01" },
        { "money", money, -0.005L, "($0.01)" },
        { "whole money", wholeMoney, 1234.5L, "$1,235" },
        { "whole money", wholeMoney, 999.5L, "$1,000" },
        { "grouped", grouped, 1234567.5L, "1,234,568" },
    });
}

TEST(Formats, NamedFormatsWithUnitedStatesSettings)
{
    expectTexts({
        { "money", money, 1234.5L, "$1,234.50" },
        { "money", money, -1234.5L, "($1,234.50)" },
        { "money", money, 0, "$0.00" },
        { "money", money, 665.3025L, "$665.30" },
        { "money", money, 999999999999999.4L, "$999,999,999,999,999.00" },
        { "money", money, 123456789012345.67L, "$123,456,789,012,346.00" }, // 15 significant digits
        { "whole money", wholeMoney, 1234.49L, "$1,234" },
        { "whole money", wholeMoney, -1234.5L, "($1,235)" },
        { "fixed 0", fixed0, 1234.56L, "1235" },
        { "fixed 1", fixed1, 1234.56L, "1234.6" },
        { "fixed 2", fixed2, 1234.56L, "1234.56" },
        { "fixed 2", fixed2, 1234567.891L, "1234567.89" },
        { "grouped", grouped, 1234, "1,234" },
        { "grouped", grouped, -1234, "-1,234" },
        { "grouped", grouped, 999, "999" },
        { "grouped", grouped, 123456789012345, "123,456,789,012,345" },
    });
    EXPECT_EQ(regional::integerText(360), "360");
    EXPECT_EQ(regional::integerText(-5), "-5");
}

TEST(Formats, ValuesThatRoundToZeroArePositiveZero)
{
    expectTexts({
        { "money", money, -0.004L, "$0.00" },
        { "money", money, -0.0L, "$0.00" },
        { "fixed 1", fixed1, 0, "0.0" },
        { "whole money", wholeMoney, -0.4L, "$0" },
        { "fixed 2", fixed2, -0.001L, "0.00" },
        { "grouped", grouped, -0.2L, "0" },
        { "general", general, -0.0L, "0" },
    });
}

TEST(Formats, GeneralText)
{
    expectTexts({
        { "general", general, 7.25L, "7.25" },
        { "general", general, 30, "30" },
        { "general", general, 7, "7" },
        { "general", general, -0.5L, "-0.5" },
        { "general", general, 0.0001L, "0.0001" },
        { "general", general, 0.00001L, "1E-5" },
        { "general", general, 0.0000999999999999999960L, "0.0001" }, // rounds up to the limit
        { "general", general, -2.5e-7L, "-2.5E-7" },
        { "general", general, 1e20L, "1E20" },
        { "general", general, 1.5e20L, "1.5E20" },
        { "general", general, 999999999999999, "999999999999999" },
        { "general", general, 999999999999999.5L, "1E15" },
        { "general", general, 123456.789012345678L, "123456.789012346" },
        { "general", general, 2.0L / 3, "0.666666666666667" },
        { "general", general, 1e-4000L, "1E-4000" },
        { "general", general, 1.18e4932L, "1.18E4932" },
    });
}

TEST(Formats, IntegerPartBeyondFifteenDigitsGivesGeneralText)
{
    expectTexts({
        { "money", money, 1e15L, "1E15" },
        { "money", money, -1e15L, "-1E15" },
        { "money", money, 999999999999999.5L, "1E15" },
        { "whole money", wholeMoney, 2.5e16L, "2.5E16" },
        { "fixed 0", fixed0, 999999999999999.5L, "1E15" },
        { "fixed 0", fixed0, 999999999999999.4L, "999999999999999" },
        { "grouped", grouped, 1e15L, "1E15" },
    });
}

// Exponent field 0 with the explicit integer bit set: the FPU reads 2^-16382 x 1.f, and so must the digits.
TEST(Formats, PseudoDenormalsShowTheValueTheArithmeticSees)
{
    const auto pseudoDenormal = [](std::uint64_t significand, bool negative) {
        unsigned char bytes[sizeof(finance::Extended)] = {};
        std::memcpy(bytes, &significand, sizeof significand);
        bytes[9] = negative ? 0x80 : 0;
        finance::Extended value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    };
    // 2^-16382 x (1 + 2^-63) and 2^-16382 x 1.5, from 50-digit decimal arithmetic.
    expectTexts({
        { "general", general, pseudoDenormal(0x8000000000000001, false), "3.36210314311209E-4932" },
        { "general", general, pseudoDenormal(0xC000000000000000, true), "-5.04315471466814E-4932" },
    });
}

TEST(Formats, NonFiniteValuesAreNamed)
{
    constexpr finance::Extended infinity = std::numeric_limits<finance::Extended>::infinity();
    expectTexts({
        { "money", money, std::numeric_limits<finance::Extended>::quiet_NaN(), "NAN" },
        { "general", general, infinity, "INF" },
        { "fixed 2", fixed2, -infinity, "-INF" },
    });
}

TEST(Formats, EveryCurrencyFormKeepsSymbolAndSeparatorsApart)
{
    const char* negative[16] = { "(€1.234,50)", "-€1.234,50", "€-1.234,50", "€1.234,50-", "(1.234,50€)", "-1.234,50€",
        "1.234,50-€", "1.234,50€-", "-1.234,50 €", "-€ 1.234,50", "1.234,50 €-", "€ 1.234,50-", "€ -1.234,50",
        "1.234,50- €", "(€ 1.234,50)", "(1.234,50 €)" };
    const char* positive[4] = { "€1.234,50", "1.234,50€", "€ 1.234,50", "1.234,50 €" };
    RegionalSettings settings = euroSettings();
    for (int form = 0; form < 16; ++form) {
        SCOPED_TRACE(form);
        settings.negativeCurrencyForm = form;
        EXPECT_EQ(regional::moneyText(-1234.5L, settings), negative[form]);
    }
    for (int form = 0; form < 4; ++form) {
        SCOPED_TRACE(form);
        settings.positiveCurrencyForm = form;
        EXPECT_EQ(regional::moneyText(1234.5L, settings), positive[form]);
    }
}

TEST(Formats, RegionalSeparators)
{
    RegionalSettings settings = euroSettings();
    EXPECT_EQ(regional::fixedText(1234.5L, 1, settings), "1234,5");
    EXPECT_EQ(regional::groupedText(-1234567, settings), "-1.234.567");
    EXPECT_EQ(regional::generalText(1.5e20L, settings), "1,5E20");
    EXPECT_EQ(regional::generalText(0.25L, settings), "0,25");
    settings.thousandsSeparator = "\u202F";
    EXPECT_EQ(regional::wholeMoneyText(1234567, settings), "1\u202F234\u202F567 €");
}

// The GUI toolkit sets the C library's locale from the environment; no text may depend on it.
TEST(Formats, CommaDecimalPointInTheGlobalLocaleChangesNothing)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* candidates[] = { "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "es_ES.UTF-8",
        "it_IT.UTF-8", "pt_BR.UTF-8", "ru_RU.UTF-8", "de_DE", "fr_FR" };
    bool found = false;
    for (const char* name : candidates) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::string(std::localeconv()->decimal_point) == ",") {
            found = true;
            break;
        }
    }
    if (!found) {
        std::setlocale(LC_ALL, saved.c_str());
        GTEST_SKIP() << "no locale with a comma decimal point is installed";
    }

    EXPECT_EQ(regional::decimalNumberEntry("1.5", us), 1.5L);
    EXPECT_EQ(regional::decimalNumberEntry("2.5e-3", us), 0.0025L);
    EXPECT_EQ(regional::moneyText(1234.5L, us), "$1,234.50");
    EXPECT_EQ(regional::fixedText(2.675L, 2, us), "2.68");
    EXPECT_EQ(regional::generalText(-2.5e-7L, us), "-2.5E-7");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
