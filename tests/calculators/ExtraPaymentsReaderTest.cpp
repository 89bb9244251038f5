// The planner's field checks: which field fails first and what its warning says, read exactly.
#include "calculators/extrapayments/ExtraPaymentsReader.h"

#include "RegionalPresets.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <variant>

namespace {

using calculators::ExtraPaymentsTexts;
using calculators::TableCell;
namespace Field = calculators::plannerFields;

ExtraPaymentsTexts validTexts()
{
    ExtraPaymentsTexts texts;
    texts.rate = "7.125";
    texts.years = "30";
    texts.amount = "200000.50";
    texts.firstPaymentDate = { 2027, 1, 31 };
    texts.monthlyExtra = "100";
    texts.monthlyFrom = "13";
    texts.yearlyExtra = "";
    texts.oneTimeRows = { { "24", "1000.01" }, { "", "" }, { "24", "5" } };
    return texts;
}

struct FailureCase
{
    const char* name;
    std::function<void(ExtraPaymentsTexts&)> spoil;
    std::string_view field;
    std::optional<TableCell> cell;
    std::string message;
    bool euro = false; // read with comma decimals, as in Germany
};

class ExtraPaymentsReader : public testing::TestWithParam<FailureCase>
{ };

TEST_P(ExtraPaymentsReader, FirstFailingFieldAndItsWarning)
{
    ExtraPaymentsTexts texts = validTexts();
    GetParam().spoil(texts);
    const auto result
        = calculators::readExtraPaymentsTexts(texts, GetParam().euro ? euroSettings() : unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::FieldFailure>(result));
    const auto& failure = std::get<calculators::FieldFailure>(result);
    EXPECT_EQ(failure.field, GetParam().field);
    EXPECT_EQ(failure.cell, GetParam().cell);
    EXPECT_EQ(failure.message, GetParam().message);
}

const char* const moneyRule = " must be 0 or more, at most 1000000000 with at most 2 decimals after a \".\", entered "
                              "without $ or thousands separators.";
const char* const rateRule = "The interest rate must be between 0 and 30 percent, with at most 4 decimals after a "
                             "\".\" and without a percent sign.";

INSTANTIATE_TEST_SUITE_P(Fields, ExtraPaymentsReader,
    testing::Values(
        FailureCase { "RateWithFiveDecimals", [](auto& t) { t.rate = "7.12345"; }, Field::rate, {}, rateRule },
        FailureCase { "RateAboveThirtyBeforeBadYears",
            [](auto& t) {
                t.rate = "30.0001";
                t.years = "x";
            },
            Field::rate, {}, rateRule },
        FailureCase { "YearsNotWhole", [](auto& t) { t.years = "2.5"; }, Field::years, {},
            "The number of years must be a whole number between 1 and 50." },
        FailureCase { "AmountWithThreeDecimals", [](auto& t) { t.amount = "1.005"; }, Field::amount, {},
            "The loan amount must be between 0.01 and 1000000000 with at most 2 decimals after a \".\", entered "
            "without $ or thousands separators." },
        FailureCase { "AmountAboveTheLimit", [](auto& t) { t.amount = "1000000000.01"; }, Field::amount, {},
            "The loan amount must be between 0.01 and 1000000000 with at most 2 decimals after a \".\", entered "
            "without $ or thousands separators." },
        FailureCase { "DateOutsideTheYears",
            [](auto& t) {
                t.firstPaymentDate = { 2200, 1, 1 };
            },
            Field::firstPayment, {},
            "The first payment date must be a day of the calendar in the years 1900 to 2199." },
        FailureCase { "MonthlyExtraWithSeparators", [](auto& t) { t.monthlyExtra = "1,000"; }, Field::monthlyExtra, {},
            std::string("The monthly extra payment") + moneyRule },
        FailureCase { "MonthlyFromAfterTheTerm", [](auto& t) { t.monthlyFrom = "361"; }, Field::monthlyFrom, {},
            "The first payment with the monthly extra must be a whole number from 1 to 360." },
        FailureCase { "MonthlyThroughBeforeFrom", [](auto& t) { t.monthlyThrough = "12"; }, Field::monthlyThrough, {},
            "The last payment with the monthly extra must be empty (to the end) or a whole number from 13 to 360." },
        FailureCase { "YearlyExtraNegative", [](auto& t) { t.yearlyExtra = "-1"; }, Field::yearlyExtra, {},
            std::string("The yearly extra payment") + moneyRule },
        FailureCase { "YearlyFromBeforeTheFirstPayment", [](auto& t) { t.yearlyFromYear = "2026"; }, Field::yearlyFrom,
            {}, "The first year of the yearly extra payment must be a whole number from 2027 to 2056." },
        FailureCase { "OneTimeRowWithoutPaymentNumber", [](auto& t) { t.oneTimeRows[2].paymentNumber = ""; },
            Field::oneTime, TableCell { 2, 0 },
            "The payment number in row 3 of the one-time extra payments must be a whole number from 1 to 360." },
        FailureCase { "OneTimeAmountNotANumber", [](auto& t) { t.oneTimeRows[0].amount = "1e400"; }, Field::oneTime,
            TableCell { 0, 1 }, std::string("The amount in row 1 of the one-time extra payments") + moneyRule },
        FailureCase { "OneTimeRowWithoutAmount", [](auto& t) { t.oneTimeRows[2].amount = " "; }, Field::oneTime,
            TableCell { 2, 1 }, std::string("The amount in row 3 of the one-time extra payments") + moneyRule },
        // Under comma decimals a point is refused, and the warning says which separator the settings use.
        FailureCase { "RateWithAPointUnderCommaDecimals", [](auto& t) { t.rate = "6.5"; }, Field::rate, {},
            "The interest rate must be between 0 and 30 percent, with at most 4 decimals after a \",\" and without "
            "a percent sign.",
            true }),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ExtraPaymentsReaderRead, ValidTextsGiveExactFiguresAndDefaults)
{
    const auto result = calculators::readExtraPaymentsTexts(validTexts(), unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::ExtraPaymentsInput>(result));
    const auto& input = std::get<calculators::ExtraPaymentsInput>(result);
    EXPECT_EQ(input.rateTenThousandths, 71250);
    EXPECT_EQ(input.amount, 20000050);
    EXPECT_EQ(input.monthlyExtra, 10000);
    EXPECT_EQ(input.monthlyThrough, 0);
    EXPECT_EQ(input.yearlyExtra, 0);
    EXPECT_EQ(input.yearlyFromYear, 2027);
    ASSERT_EQ(input.oneTimeExtras.size(), 2U);
    EXPECT_EQ(input.oneTimeExtras[0].amount, 100001);

    // Comma decimals read with the regional separator; a dot is then no number.
    ExtraPaymentsTexts euro = validTexts();
    euro.rate = "7,125";
    euro.amount = "200000,50";
    euro.oneTimeRows = {};
    const auto euroResult = calculators::readExtraPaymentsTexts(euro, euroSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::ExtraPaymentsInput>(euroResult));
    EXPECT_EQ(std::get<calculators::ExtraPaymentsInput>(euroResult).amount, 20000050);
}

} // namespace
