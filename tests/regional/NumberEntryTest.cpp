#include "regional/NumberEntry.h"

#include "finance/FinanceErrors.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>

using finance::Extended;
using regional::RegionalSettings;

namespace {

RegionalSettings withDecimalSeparator(std::string separator)
{
    RegionalSettings settings;
    settings.decimalSeparator = std::move(separator);
    return settings;
}

const RegionalSettings us;
const RegionalSettings comma = withDecimalSeparator(",");
const RegionalSettings arabic = withDecimalSeparator("\u066B"); // two bytes in UTF-8

std::string decimalError(const std::string& text, const RegionalSettings& settings)
{
    try {
        const finance::Extended value = regional::decimalNumberEntry(text, settings);
        return "accepted as " + std::to_string(static_cast<double>(value));
    } catch (const finance::EConvertError& e) {
        return e.what();
    }
}

std::string wholeError(const std::string& text)
{
    try {
        return "accepted as " + std::to_string(regional::wholeNumberEntry(text));
    } catch (const finance::EConvertError& e) {
        return e.what();
    }
}

TEST(DecimalNumberEntry, AcceptedTexts)
{
    const struct
    {
        const char* text;
        const RegionalSettings& settings;
        finance::Extended expected;
    } cases[] = { { "  7.25 ", us, 7.25L }, { "+7", us, 7 }, { "-.5", us, -0.5L }, { ".", us, 0 }, { "5.", us, 5 },
        { "007", us, 7 }, { "-0", us, 0 }, { "1e2", us, 100 }, { "1E+2", us, 100 }, { "2.5e-3", us, 0.0025L },
        { "1e", us, 1 }, // an exponent without digits counts as 0
        { "1e- ", us, 1 }, { ".e5", us, 0 },
        { "1e500", us, 1e500L }, // the exponent reaches its limit with the last digit
        { "1e0000000000000000000003", us, 1000 }, { "1e4931", us, 1e4931L },
        { "1e-4999", us, 0 }, // underflow gives zero
        { "0.1000000000000000000000000000000000000000001", us, 0.1L }, { "1,5", comma, 1.5L },
        { "-,25", comma, -0.25L }, { "1\u066B5", arabic, 1.5L } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const finance::Extended value = regional::decimalNumberEntry(c.text, c.settings);
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)); // "-0" and underflow give +0
    }
}

TEST(DecimalNumberEntry, RejectedTextsQuoteTheTextAsTyped)
{
    const struct
    {
        const char* text;
        const RegionalSettings& settings;
    } cases[] = { { "1,000", us }, { "7%", us }, { "$100", us }, { "", us }, { " ", us }, { "abc", us }, { "\t7", us },
        { "7\t", us }, { "+", us }, { "-", us }, { "+-1", us }, { "1.2.3", us }, { "1 000", us }, { "e5", us },
        { "1e5.5", us }, { "1e5000", us }, { "1e-5000", us }, { "1.2e4932", us }, { "1e4999", us }, { "0x10", us },
        { "1.5", comma }, { "1,000.5", comma }, { "1.5", arabic }, { "%s%n%d", us } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(
            decimalError(c.text, c.settings), "'" + std::string(c.text) + "' is not a valid floating point value");
    }
    EXPECT_EQ(decimalError(" 7 x ", us), "' 7 x ' is not a valid floating point value");
}

TEST(FixedPointEntry, ExactUnitsOrNothing)
{
    const struct
    {
        const char* text;
        int decimals;
        std::optional<std::int64_t> expected;
    } cases[] = { { "7.125", 4, 71250 }, { " 30 ", 4, 300000 }, { "1.005", 2, std::nullopt }, { "1.0050", 3, 1005 },
        { "2.675", 3, 2675 }, { "1e9", 2, 100000000000 }, { "12.5e-1", 2, 125 }, { "0.0000001e7", 0, 1 },
        { "-0.01", 2, -1 }, { "-0", 2, 0 }, { "0.1000000000000000000000000000000000001", 2, std::nullopt },
        { "999999999999999999", 0, 999999999999999999 }, { "1e18", 0, std::nullopt }, { "1e4931", 2, std::nullopt } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(regional::fixedPointEntry(c.text, c.decimals, us), c.expected);
    }
    EXPECT_EQ(regional::fixedPointEntry("1,5", 2, comma), 150);
    EXPECT_THROW(regional::fixedPointEntry("1,5", 2, us), finance::EConvertError);
    EXPECT_THROW(regional::fixedPointEntry("1e4999", 2, us), finance::EConvertError);
}

TEST(WholeNumberEntry, AcceptedTexts)
{
    const struct
    {
        const char* text;
        std::int32_t expected;
    } cases[] = { { " 30", 30 }, { "+5", 5 }, { "-5", -5 }, { "0000000000000000000042", 42 },
        { "2147483647", 2147483647 }, { "-2147483647", -2147483647 }, { "$1F", 31 }, { "$ff", 255 }, { "  -$10", -16 },
        { "$7FFFFFFF", 2147483647 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(regional::wholeNumberEntry(c.text), c.expected);
    }
}

TEST(WholeNumberEntry, RejectedTextsQuoteTheTextAsTyped)
{
    const char* cases[] = { "30 ", "30.0", "", " ", "-", "+", "$", "2147483648", "-2147483648", "$80000000",
        "99999999999999999999999", "1e3", "0x1F", "$-1", "$1G", "\t30", "3 0", "--3", "%s%d" };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(wholeError(text), "'" + std::string(text) + "' is not a valid integer value");
    }
    EXPECT_EQ(wholeError("30 "), "'30 ' is not a valid integer value");
}

} // namespace
