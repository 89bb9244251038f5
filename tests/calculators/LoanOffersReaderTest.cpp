// The loan offers' field checks: which field fails first, in which offer, and what its warning says.
#include "RegionalPresets.h"
#include "calculators/loanoffers/LoanOffers.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <variant>

namespace {

using calculators::LoanOffersTexts;
using calculators::TableCell;
namespace Field = calculators::offerFields;
namespace Column = calculators::offerColumns;

LoanOffersTexts validTexts()
{
    LoanOffersTexts texts;
    texts.price = "400000";
    texts.down = "40000.50";
    texts.tax = "4800";
    texts.firstPaymentDate = { 2027, 1, 31 };
    texts.offers = {
        { "  First Bank ", "6.5", "30", "1.25", "1200", "3000", "", "0.5" },
        { "", "", "x", "", "", "", "", "" }, // no rate: left out, the rest unread
        { "", "6.125", "15", "", "", "", "500", "" },
    };
    return texts;
}

struct FailureCase
{
    const char* name;
    std::function<void(LoanOffersTexts&)> spoil;
    std::string_view field;
    std::optional<TableCell> cell;
    std::string message;
    bool euro = false; // read with comma decimals, as in Germany
};

class LoanOffersReader : public testing::TestWithParam<FailureCase>
{ };

TEST_P(LoanOffersReader, FirstFailingFieldAndItsWarning)
{
    LoanOffersTexts texts = validTexts();
    GetParam().spoil(texts);
    const auto result
        = calculators::readLoanOffersTexts(texts, GetParam().euro ? euroSettings() : unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::FieldFailure>(result));
    const auto& failure = std::get<calculators::FieldFailure>(result);
    EXPECT_EQ(failure.field, GetParam().field);
    EXPECT_EQ(failure.cell, GetParam().cell);
    EXPECT_EQ(failure.message, GetParam().message);
}

std::string moneyRule(const std::string& what)
{
    return "The " + what
        + " must be 0 or more, at most 1000000000 with at most 2 decimals after a \".\", entered without $ or "
          "thousands separators.";
}

INSTANTIATE_TEST_SUITE_P(Fields, LoanOffersReader,
    testing::Values(
        FailureCase { "PriceOfZeroBeforeABadDown",
            [](auto& t) {
                t.price = "0";
                t.down = "x";
            },
            Field::price, {},
            "The home price must be between 0.01 and 1000000000 with at most 2 decimals after a \".\", entered "
            "without $ or thousands separators." },
        FailureCase {
            "DownWithThreeDecimals", [](auto& t) { t.down = "1.005"; }, Field::down, {}, moneyRule("down payment") },
        FailureCase { "DownOfTheWholePrice", [](auto& t) { t.down = "400000"; }, Field::down, {},
            "The down payment must be less than the home price of $400,000.00." },
        FailureCase { "TaxWithThousandsSeparators", [](auto& t) { t.tax = "4,800"; }, Field::tax, {},
            moneyRule("yearly property tax") },
        FailureCase { "KeptLongerThanFiftyYears", [](auto& t) { t.yearsKept = "51"; }, Field::keep, {},
            "The years you keep the loan must be a whole number between 1 and 50." },
        FailureCase { "FirstPaymentOnFebruary30",
            [](auto& t) {
                t.firstPaymentDate = { 2027, 2, 30 };
            },
            Field::firstPayment, {},
            "The first payment date must be a day of the calendar in the years 1900 to 2199." },
        FailureCase { "NameOfThirtyOneCharacters",
            [](auto& t) { t.offers[2].name = "Caisse d’épargne de la Côte 123"; }, Field::offer,
            TableCell { 2, Column::name },
            "The name of Offer C must be at most 30 characters, without tabs or line breaks." },
        FailureCase { "RateWithFiveDecimalsNamesTheOffer", [](auto& t) { t.offers[2].rate = "6.12345"; }, Field::offer,
            TableCell { 2, Column::rate },
            "The rate of Offer C must be between 0 and 30 percent, with at most 4 decimals after a \".\" and without a "
            "percent sign." },
        FailureCase { "TermLeftEmpty", [](auto& t) { t.offers[2].years = ""; }, Field::offer,
            TableCell { 2, Column::years }, "The term of Offer C must be a whole number of years between 1 and 50." },
        FailureCase { "PointsAboveTenPercent", [](auto& t) { t.offers[0].points = "10.001"; }, Field::offer,
            TableCell { 0, Column::points },
            "The points of First Bank must be between 0 and 10 percent of the loan, with at most 3 decimals after a "
            "\".\" and without a percent sign." },
        FailureCase { "FeesWithACurrencySymbol", [](auto& t) { t.offers[2].lenderFees = "$1200"; }, Field::offer,
            TableCell { 2, Column::fees }, moneyRule("lender fees of Offer C") },
        FailureCase { "CreditWithThreeDecimals", [](auto& t) { t.offers[2].lenderCredit = "0.001"; }, Field::offer,
            TableCell { 2, Column::credit }, moneyRule("lender credit of Offer C") },
        FailureCase { "InsuranceAboveFivePercent", [](auto& t) { t.offers[0].mortgageInsurance = "5.001"; },
            Field::offer, TableCell { 0, Column::mi },
            "The mortgage insurance of First Bank must be between 0 and 5 percent of the loan a year, with at most 3 "
            "decimals after a \".\" and without a percent sign." },
        // Points of 1.25 % are 4,499.99; with fees that leave an amount financed of 0.00 the offer is refused.
        FailureCase { "NothingLeftFinanced", [](auto& t) { t.offers[0].lenderFees = "355499.51"; }, Field::offer,
            TableCell { 0, Column::fees },
            "The points and lender fees of First Bank less its lender credit must be less than the loan amount of "
            "$359,999.50." },
        FailureCase { "NoOfferWithARate",
            [](auto& t) {
                t.offers[0].rate = " ";
                t.offers[2].rate = "";
            },
            Field::offer, TableCell { 0, Column::rate }, "Enter the rate of at least one offer." },
        FailureCase { "AFifthOffer",
            [](auto& t) {
                t.offers[1].rate = "7";
                t.offers[1].years = "30";
                t.offers.push_back(t.offers[0]);
                t.offers.push_back(t.offers[0]);
            },
            Field::offer, TableCell { 4, Column::rate }, "There can be at most 4 offers." },
        // Under comma decimals a point is refused, and the warning says which separator the settings use.
        FailureCase { "PointsWithAPointUnderCommaDecimals",
            [](auto& t) {
                t.down = "40000,50";
                t.offers[0].rate = "6,5";
            },
            Field::offer, TableCell { 0, Column::points },
            "The points of First Bank must be between 0 and 10 percent of the loan, with at most 3 decimals after a "
            "\",\" and without a percent sign.",
            true }),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(LoanOffersReaderRead, ValidTextsGiveExactFiguresAndDefaults)
{
    const auto result = calculators::readLoanOffersTexts(validTexts(), unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::LoanOffersInput>(result));
    const auto& input = std::get<calculators::LoanOffersInput>(result);
    EXPECT_EQ(input.price, 40000000);
    EXPECT_EQ(input.down, 4000050);
    EXPECT_EQ(input.yearlyTax, 480000);
    EXPECT_EQ(input.yearlyInsurance, 0);
    EXPECT_EQ(input.yearsKept, 5);
    ASSERT_EQ(input.offers.size(), 2U);
    const auto& first = input.offers[0];
    EXPECT_EQ(first.name, "First Bank");
    EXPECT_EQ(first.rateTenThousandths, 65000);
    EXPECT_EQ(first.pointsThousandths, 1250);
    EXPECT_EQ(first.closingCosts, 300000);
    EXPECT_EQ(first.insuranceThousandths, 500);
    // The third column keeps its letter when the second is left out.
    const auto& third = input.offers[1];
    EXPECT_EQ(third.name, "Offer C");
    EXPECT_EQ(third.position, 2U);
    EXPECT_EQ(third.years, 15);
    EXPECT_EQ(third.lenderCredit, 50000);
    EXPECT_EQ(third.pointsThousandths, 0);
}

} // namespace
