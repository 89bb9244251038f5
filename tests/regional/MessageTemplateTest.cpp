#include "regional/MessageTemplate.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

using finance::Extended;
using regional::RegionalSettings;

namespace {

const RegionalSettings us;

TEST(MessageTemplate, PlaceholdersAreFilledLeftToRight)
{
    EXPECT_EQ(regional::formatMessage("At %n percent per year your education fund will grow to %m. That will leave a "
                                      "shortage of %m which may be made up by contributing %m per year for the next "
                                      "%d years.",
                  { 7.0L, 123456.785L, 1234.5L, -2.5L, std::int32_t { 18 } }, us),
        "At 7.00 percent per year your education fund will grow to $123,456.79. That will leave a shortage of "
        "$1,234.50 which may be made up by contributing ($2.50) per year for the next 18 years.");
    EXPECT_EQ(regional::formatMessage(
                  "You will need %s at retirement, %s monthly.", { std::string("$1,235"), std::string("$900") }, us),
        "You will need $1,235 at retirement, $900 monthly.");
}

TEST(MessageTemplate, NumbersUseEighteenDigitsAndRegionalDecimals)
{
    EXPECT_EQ(regional::formatMessage("%n|%n|%m", { 1234.5L, 1e15L, 1e15L }, us),
        "1,234.50|1,000,000,000,000,000.00|$1,000,000,000,000,000.00");
    EXPECT_EQ(regional::formatMessage("%m", { 1e18L }, us), "1E18");

    RegionalSettings yen;
    yen.currencySymbol = "¥";
    yen.moneyDecimals = 0;
    EXPECT_EQ(regional::formatMessage("%m", { 1234.5L }, yen), "¥1,235");
    RegionalSettings dinar;
    dinar.moneyDecimals = 3;
    EXPECT_EQ(regional::formatMessage("%m", { 1.0005L }, dinar), "$1.001");
}

TEST(MessageTemplate, ArgumentsAreNeverReadAsTemplates)
{
    EXPECT_EQ(
        regional::formatMessage("[%s] %d%% done, 7% off", { std::string("%m %d %s %%"), std::int32_t { 50 } }, us),
        "[%m %d %s %%] 50% done, 7% off");
    EXPECT_EQ(regional::formatMessage("100%", {}, us), "100%");
}

TEST(MessageTemplate, ArgumentMismatchIsAProgrammingError)
{
    EXPECT_THROW(regional::formatMessage("%m %m", { 1.0L }, us), std::logic_error);
    EXPECT_THROW(regional::formatMessage("%d", { 1.0L }, us), std::logic_error);
    EXPECT_THROW(regional::formatMessage("%m", { std::int32_t { 1 } }, us), std::logic_error);
    EXPECT_THROW(regional::formatMessage("%s", { 1.0L }, us), std::logic_error);
    EXPECT_THROW(regional::formatMessage("no placeholder", { 1.0L }, us), std::logic_error);
}

} // namespace
