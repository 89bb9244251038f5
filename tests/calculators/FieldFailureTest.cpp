// A refused field as every calculator reports it: the field's name, the table cell where it has one, the message.
#include "RegionalPresets.h"
#include "calculators/Checks.h"
#include "calculators/CollegePlan.h"
#include "calculators/ExtraPaymentsChecks.h"
#include "calculators/FieldCheck.h"
#include "calculators/Refinance.h"
#include "calculators/RetirementPlanner.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>

namespace {

using calculators::FieldFailure;
using calculators::TableCell;
namespace checks = calculators::checks;

using Texts = std::map<std::string_view, std::string>;

calculators::FieldTexts textsOf(const Texts& texts);

template <typename Input>
std::optional<FieldFailure> failureOf(const std::variant<Input, FieldFailure>& read)
{
    if (const auto* failure = std::get_if<FieldFailure>(&read))
        return *failure;
    return std::nullopt;
}

std::optional<FieldFailure> checkFailure(std::span<const calculators::FieldCheck> table, const Texts& texts)
{
    auto read = calculators::readFields(table, textsOf(texts), unitedStatesSettings());
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return *failure;
    return std::nullopt;
}

calculators::ExtraPaymentsTexts plannerLoan()
{
    calculators::ExtraPaymentsTexts texts;
    texts.rate = "7";
    texts.years = "30";
    texts.amount = "200000";
    return texts;
}

std::optional<FieldFailure> plannerFailure(const std::function<void(calculators::ExtraPaymentsTexts&)>& spoil)
{
    calculators::ExtraPaymentsTexts texts = plannerLoan();
    spoil(texts);
    auto read = calculators::readExtraPaymentsTexts(texts, unitedStatesSettings());
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return *failure;
    return std::nullopt;
}

struct FailureCase
{
    const char* name;
    std::function<std::optional<FieldFailure>()> read;
    std::string_view field;
    std::optional<TableCell> cell;
    std::string message;
};

class FieldFailures : public testing::TestWithParam<FailureCase>
{ };

TEST_P(FieldFailures, NameTheFieldItsCellAndTheWarning)
{
    const auto failure = GetParam().read();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->field, GetParam().field);
    EXPECT_EQ(failure->cell, GetParam().cell);
    EXPECT_EQ(failure->message, GetParam().message);
}

const Texts loan { { "rate", "7" }, { "years", "30" }, { "amount", "100000" } };

Texts with(Texts texts, std::string_view field, std::string text)
{
    texts[field] = std::move(text);
    return texts;
}

const std::string moneyRule = " must be 0 or more, at most 1000000000 with at most 2 decimals after a \".\", entered "
                              "without $ or thousands separators.";

INSTANTIATE_TEST_SUITE_P(Calculators, FieldFailures,
    testing::Values(FailureCase { "LoanYearsNoNumber",
                        [] { return checkFailure(checks::solveForPayment, with(loan, "years", "x")); }, "years",
                        std::nullopt, "The YEARS value must be an integer between 1 and 50, please re-enter." },
        FailureCase { "LoanPaymentWhenSolvingForTheAmount",
            [] { return checkFailure(checks::solveForAmount, with(loan, "payment", "1")); }, "payment", std::nullopt,
            "MONTHLY PAYMENT must be an integer greater than 1. Do not enter any \"$\" signs or commas." },
        FailureCase { "RefinanceTermWithAPoint",
            [] {
                return failureOf(calculators::readRefinance(
                    textsOf({ { "payment", "1200" }, { "principal", "150000" }, { "years", "5." }, { "rate", "99" } }),
                    unitedStatesSettings()));
            },
            "years", std::nullopt, std::string(checks::refinanceTermMessage) },
        FailureCase { "DesiredValueNotAboveTheCurrentOne",
            [] {
                return checkFailure(
                    checks::requiredReturn, { { "current", "100" }, { "desired", "100" }, { "years", "x" } });
            },
            "desired", std::nullopt, "Desired Value must be larger than Current Value, enter with no $ or commas." },
        FailureCase { "RetirementAtTheCurrentAgeThenNoIncome",
            [] {
                return checkFailure(checks::retirementNeed, { { "age", "40" }, { "retire-at", "40" } });
            },
            "income", std::nullopt,
            "You must enter a desired monthly income (ex: 2500 or 5000) as a number, without $ or commas." },
        FailureCase { "CollegeStartNotAfterTheAge",
            [] {
                return failureOf(calculators::readCollegeCost(
                    textsOf({ { "age", "18" }, { "start-age", "18" } }), unitedStatesSettings()));
            },
            "start-age", std::nullopt,
            "Starting College Age must be greater than child's current age (must be an integer)." },
        FailureCase { "MatrixAmountWithDecimals",
            [] {
                return checkFailure(checks::matrix, { { "amount", "1000.5" } });
            },
            "amount", std::nullopt,
            "STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. Please re-enter." },
        FailureCase { "MatrixRateStepOffTheScrollBar",
            [] {
                return checkFailure(checks::matrixSpins,
                    { { "years", "15" }, { "years2", "30" }, { "amounts", "4" }, { "rates", "3" },
                        { "rate-step", "2.5" } });
            },
            "rate-step", std::nullopt, "The rate step is 0.125 to 2 points, in steps of 0.125." },
        FailureCase { "PlannerDateHasNoCell",
            [] { return plannerFailure([](auto& t) {
                     t.firstPaymentDate = { 2027, 2, 30 };
                 }); }, "first-payment",
            std::nullopt, "The first payment date must be a day of the calendar in the years 1900 to 2199." },
        FailureCase { "PlannerMonthOfTheYearlyExtra",
            [] { return plannerFailure([](auto& t) { t.yearlyMonth = 13; }); }, "yearly-month", std::nullopt,
            "The month of the yearly extra payment must be from 1 to 12." },
        FailureCase { "PlannerPaymentNumberCell",
            [] { return plannerFailure([](auto& t) {
                     t.oneTimeRows = { { "", "" }, { "0", "5" } };
                 }); }, "once",
            TableCell { 1, 0 },
            "The payment number in row 2 of the one-time extra payments must be a whole number from 1 to 360." },
        FailureCase { "PlannerAmountCell",
            [] { return plannerFailure([](auto& t) {
                     t.oneTimeRows = { { "12", "5" }, { "13", "x" } };
                 }); }, "once",
            TableCell { 1, 1 }, "The amount in row 2 of the one-time extra payments" + moneyRule },
        FailureCase { "PlannerTooManyRowsPointAtTheFirst",
            [] { return plannerFailure([](auto& t) {
                     t.oneTimeRows.assign(61, { "12", "1" });
                 }); }, "once",
            TableCell { 0, 0 }, "There can be at most 60 one-time extra payments." }),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

calculators::FieldTexts textsOf(const Texts& texts)
{
    calculators::FieldTexts fields;
    for (const auto& [field, text] : texts)
        fields.set(field, text);
    return fields;
}

// Each value goes to its own member of the calculator's input, whole numbers as whole numbers.
TEST(CalculatorReaders, FillTheInputFromTheFieldsOfTheSameName)
{
    const auto refinance
        = calculators::readRefinance(textsOf({ { "payment", "1200.5" }, { "principal", "150000" }, { "years", "15" },
                                         { "rate", "6.25" }, { "closing-costs", "900" }, { "points", "1.5" } }),
            unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::RefinanceInput>(refinance));
    const auto& loan = std::get<calculators::RefinanceInput>(refinance);
    EXPECT_EQ(loan.currentPayment, 1200.5L);
    EXPECT_EQ(loan.principal, 150000);
    EXPECT_EQ(loan.termYears, 15);
    EXPECT_EQ(loan.annualRatePercent, 6.25L);
    EXPECT_EQ(loan.closingCosts, 900);
    EXPECT_EQ(loan.pointsPercent, 1.5L);

    const auto retirement
        = calculators::readRetirementNeed(textsOf({ { "age", "35" }, { "retire-at", "65" }, { "income", "3000" },
                                              { "years", "25" }, { "growth", "7" }, { "inflation", "3" } }),
            unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::RetirementInput>(retirement));
    const auto& need = std::get<calculators::RetirementInput>(retirement);
    EXPECT_EQ(need.currentAge, 35);
    EXPECT_EQ(need.retirementAge, 65);
    EXPECT_EQ(need.monthlyIncome, 3000);
    EXPECT_EQ(need.retirementYears, 25);
    EXPECT_EQ(need.growthPercent, 7);
    EXPECT_EQ(need.inflationPercent, 3);

    const auto college = calculators::readCollegeCost(
        textsOf({ { "age", "5" }, { "start-age", "18" }, { "cost", "7000" }, { "years", "4" }, { "increase", "5" } }),
        unitedStatesSettings());
    ASSERT_TRUE(std::holds_alternative<calculators::CollegeCostInput>(college));
    const auto& cost = std::get<calculators::CollegeCostInput>(college);
    EXPECT_EQ(cost.childAge, 5);
    EXPECT_EQ(cost.startingAge, 18);
    EXPECT_EQ(cost.annualCost, 7000);
    EXPECT_EQ(cost.yearsOfCollege, 4);
    EXPECT_EQ(cost.increasePercent, 5);
}

TEST(PlannerHelp, AcceptedTextsFollowTheLimits)
{
    EXPECT_EQ(calculators::plannerAcceptedText("rate"), "0 to 30, at most 4 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("amount"), "0.01 to 1000000000, at most 2 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("first-payment"),
        "1900-01-01 to 2199-12-31; the first of next month when left out");
    EXPECT_EQ(
        calculators::plannerAcceptedText("once"), "at most 60, the rows in the order given; two on one payment add up");
}

} // namespace
