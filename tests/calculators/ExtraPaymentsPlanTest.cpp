// The extra payments plan on its own. Reference figures come from extra_payments_reference.py, the plan's
// rules in exact rational arithmetic, independently of this code.
#include "calculators/extrapayments/ExtraPaymentsPlan.h"

#include "RegionalPresets.h"
#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "finance/FinanceErrors.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using calculators::Cents;
using calculators::ExtraPaymentsInput;
using calculators::ExtraPaymentsPlan;
using finance::CivilDate;

ExtraPaymentsInput loan(std::int64_t rate, std::int32_t years, Cents amount, CivilDate first)
{
    ExtraPaymentsInput input;
    input.rateTenThousandths = rate;
    input.years = years;
    input.amount = amount;
    input.firstPaymentDate = first;
    input.yearlyFromYear = first.year;
    return input;
}

struct ReferenceCase
{
    const char* name;
    ExtraPaymentsInput input;
    Cents regularPayment;
    std::int32_t payments;
    Cents totalInterest;
    Cents totalExtra;
    Cents lastPayment;
};

std::vector<ReferenceCase> referenceCases()
{
    std::vector<ReferenceCase> cases;
    const auto add = [&cases](const char* name, ExtraPaymentsInput input, std::array<Cents, 5> figures) {
        cases.push_back({ name, std::move(input), figures[0], static_cast<std::int32_t>(figures[1]), figures[2],
            figures[3], figures[4] });
    };
    add("InterestFree", loan(0, 5, 1000000, { 2027, 1, 1 }), { 16667, 60, 0, 0, 16647 });
    auto input = loan(0, 3, 1000001, { 2027, 1, 1 });
    input.monthlyExtra = 5000;
    input.monthlyFrom = 2;
    input.monthlyThrough = 10;
    add("InterestFreeWithMonthlyExtra", input, { 27778, 35, 0, 45000, 10549 });
    input = loan(65000, 30, 20000000, { 2027, 1, 1 });
    input.oneTimeExtras = { { 12, 30000000 } };
    add("LumpSumLargerThanBalance", input, { 126414, 12, 1293418, 19776450, 126414 });
    input = loan(70000, 30, 20000000, { 2027, 4, 15 });
    input.yearlyExtra = 500000;
    input.yearlyMonth = 4;
    add("YearlyExtraInFirstPaymentsMonth", input, { 133060, 186, 12636476, 8000000, 20376 });
    input = loan(52500, 15, 15000000, { 2027, 3, 1 });
    input.oneTimeExtras = { { 24, 100000 }, { 24, 250050 }, { 60, 1 } };
    add("TwoOneTimeRowsOnOnePayment", input, { 120582, 175, 6370163, 350051, 38844 });
    input = loan(68750, 30, 32000000, { 2027, 1, 31 });
    input.everyTwoWeeks = true;
    add("EveryTwoWeeksFromThe31st", input, { 210217, 283, 32673086, 5181675, 210217 });
    input = loan(41234, 20, 12345678, { 2028, 2, 29 });
    input.everyTwoWeeks = true;
    add("EveryTwoWeeksFromFebruary29", input, { 75618, 212, 5031136, 1398933, 22483 });
    input = loan(70000, 30, 100000, { 2027, 1, 1 });
    input.oneTimeExtras = { { 1, 200000 } };
    add("PaidOffInTheFirstMonth", input, { 665, 1, 583, 99918, 665 });
    input = loan(299999, 50, 100000000000, { 2027, 12, 31 });
    input.monthlyExtra = 1000000;
    input.monthlyFrom = 13;
    input.yearlyExtra = 200000000;
    input.yearlyMonth = 12;
    input.yearlyFromYear = 2030;
    input.oneTimeExtras = { { 100, 5000000000 }, { 100, 1 } };
    input.everyTwoWeeks = true;
    add("EveryOptionFiftyYears", input, { 2499992586, 99, 169816605599, 22535936981, 2281395190 });
    add("TinyLoanAtTheHighestRate", loan(300000, 50, 1, { 2027, 1, 1 }), { 0, 600, 0, 0, 1 });
    return cases;
}

// What holds for every plan: the rows add up to the cent, the balance ends at 0.00 and never goes below,
// no extra is negative and no payment comes after the term.
void expectStatementAddsUp(const ExtraPaymentsInput& input, const std::vector<calculators::PlanRow>& rows)
{
    ASSERT_FALSE(rows.empty());
    ASSERT_LE(rows.size(), static_cast<std::size_t>(input.years * 12));
    Cents balance = input.amount;
    Cents paid = 0;
    Cents interest = 0;
    for (const auto& row : rows) {
        EXPECT_EQ(row.payment, row.interest + row.principal) << "payment " << row.number;
        EXPECT_GE(row.extra, 0) << "payment " << row.number;
        balance -= row.principal + row.extra;
        EXPECT_EQ(row.balance, balance) << "payment " << row.number;
        EXPECT_GE(row.balance, 0) << "payment " << row.number;
        paid += row.payment + row.extra;
        interest += row.interest;
    }
    EXPECT_EQ(rows.back().balance, 0);
    EXPECT_EQ(paid, input.amount + interest);
}

class ExtraPaymentsReference : public testing::TestWithParam<ReferenceCase>
{ };

TEST_P(ExtraPaymentsReference, MatchesExactRationalFigures)
{
    const ReferenceCase& c = GetParam();
    const ExtraPaymentsPlan plan = calculators::planExtraPayments(c.input);
    EXPECT_EQ(plan.regularPayment, c.regularPayment);
    EXPECT_EQ(plan.totals.payments, c.payments);
    EXPECT_EQ(plan.totals.interest, c.totalInterest);
    EXPECT_EQ(plan.totals.extra, c.totalExtra);
    EXPECT_EQ(plan.rows.back().payment, c.lastPayment);
    expectStatementAddsUp(c.input, plan.rows);
    expectStatementAddsUp(c.input, plan.comparisonRows);
    EXPECT_EQ(plan.comparison.extra, 0);
}

INSTANTIATE_TEST_SUITE_P(Plans, ExtraPaymentsReference, testing::ValuesIn(referenceCases()),
    [](const testing::TestParamInfo<ReferenceCase>& info) { return std::string(info.param.name); });

TEST(ExtraPaymentsPlan, RandomPlansAddUpToTheCent)
{
    std::mt19937_64 random(20261209);
    const auto between = [&random](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int trial = 0; trial < 300; ++trial) {
        auto input = loan(between(0, 300000), static_cast<std::int32_t>(between(1, 50)), between(1, 100000000000),
            { static_cast<int>(between(1990, 2100)), static_cast<int>(between(1, 12)),
                static_cast<int>(between(1, 28)) });
        const auto months = input.years * 12;
        input.monthlyExtra = between(0, 1) * between(0, input.amount / 50);
        input.monthlyFrom = static_cast<std::int32_t>(between(1, months));
        input.yearlyExtra = between(0, 1) * between(0, input.amount / 5);
        input.yearlyMonth = static_cast<int>(between(1, 12));
        for (auto rows = between(0, 3); rows > 0; --rows)
            input.oneTimeExtras.push_back({ static_cast<std::int32_t>(between(1, months)), between(0, input.amount) });
        input.everyTwoWeeks = between(0, 1) == 1;
        SCOPED_TRACE("trial " + std::to_string(trial));
        const ExtraPaymentsPlan plan = calculators::planExtraPayments(input);
        expectStatementAddsUp(input, plan.rows);
        EXPECT_LE(plan.totals.payments, plan.comparison.payments);
    }
}

TEST(ExtraPaymentsPlan, PaymentDatesKeepTheDayOrTheMonthsLastDay)
{
    const struct
    {
        CivilDate first;
        std::int32_t number;
        CivilDate expected;
    } cases[] = {
        { { 2027, 1, 31 }, 2, { 2027, 2, 28 } },
        { { 2027, 1, 31 }, 3, { 2027, 3, 31 } },
        { { 2028, 1, 31 }, 2, { 2028, 2, 29 } },
        { { 2028, 2, 29 }, 13, { 2029, 2, 28 } },
        { { 2027, 11, 30 }, 4, { 2028, 2, 29 } },
        { { 2027, 12, 15 }, 600, { 2077, 11, 15 } },
    };
    for (const auto& c : cases) {
        const CivilDate date = calculators::planPaymentDate(c.first, c.number);
        EXPECT_EQ(
            std::tuple(date.year, date.month, date.day), std::tuple(c.expected.year, c.expected.month, c.expected.day))
            << c.first.year << "-" << c.first.month << "-" << c.first.day << " payment " << c.number;
    }
}

TEST(ExtraPaymentsPlan, SummaryAndRowTexts)
{
    auto input = loan(70000, 30, 20000000, { 2027, 4, 15 });
    input.yearlyExtra = 500000;
    input.yearlyMonth = 4;
    const ExtraPaymentsPlan plan = calculators::planExtraPayments(input);
    const std::vector<std::string> expected = {
        "Regular monthly payment: $1,330.60",
        "With the extra payments: 186 payments, paid off in 9/2042",
        "Total interest: $126,364.76",
        "Total extra paid: $80,000.00",
        "Without them: 360 payments, paid off in 3/2057, total interest $279,021.94",
        "Interest saved: $152,657.18",
        "Time saved: 14 years 6 months",
        "Interest is rounded to the cent each month, as lenders do, so it can differ by cents from the loan page's "
        "total.",
    };
    EXPECT_EQ(calculators::planSummaryLines(plan, unitedStatesSettings()), expected);
    EXPECT_EQ(calculators::planSummaryLines(plan, euroSettings())[1],
        "With the extra payments: 186 payments, paid off in 09.2042");
    const std::vector<std::string> firstRow
        = { "1", "15.04.2027", "1.330,60 €", "5.000,00 €", "1.166,67 €", "163,93 €", "194.836,07 €" };
    EXPECT_EQ(calculators::planRowTexts(plan.rows.front(), euroSettings()), firstRow);
    EXPECT_EQ(calculators::yearsAndMonthsText(13), "1 year 1 month");
    EXPECT_EQ(calculators::yearsAndMonthsText(24), "2 years");
}

TEST(ExtraPaymentsPlan, InputLinesNameTheLoanAndEachExtraChosen)
{
    auto input = loan(71250, 30, 20000050, { 2027, 1, 31 });
    EXPECT_EQ(calculators::planInputLines(input, euroSettings()).back(), "No extra payments");
    input.monthlyExtra = 10000;
    input.monthlyFrom = 13;
    input.yearlyExtra = 200000;
    input.yearlyMonth = 4;
    input.yearlyFromYear = 2028;
    for (std::int32_t number = 1; number <= 6; ++number)
        input.oneTimeExtras.push_back({ number * 10, number * 100000 });
    input.everyTwoWeeks = true;
    const std::vector<std::string> expected {
        "Extra payments plan for a loan of 200.000,50 € at 7,125% for 30 years, first payment 31.01.2027",
        "Every month: 100,00 € extra with payments 13 to 360",
        "Every year: 2.000,00 € extra with the payment in April, from 2028",
        "Once, extra: 1.000,00 € with payment 10, 2.000,00 € with payment 20, 3.000,00 € with payment 30, "
        "4.000,00 € with payment 40, 5.000,00 € with payment 50",
        "Once, extra (continued): 6.000,00 € with payment 60",
        "Every two weeks: half the payment instead of the monthly payment",
    };
    // The locale's own month names are for its dates; the sentence names the month in English.
    auto german = euroSettings();
    german.dateNames.months[3] = "April (de)";
    EXPECT_EQ(calculators::planInputLines(input, german), expected);
}

TEST(ExtraPaymentsPlan, ChartDrawsBothBalancesAndThePlansYears)
{
    const ReferenceCase everyOption = referenceCases()[8];
    const ExtraPaymentsPlan plan = calculators::planExtraPayments(everyOption.input);
    const auto data = calculators::planChartData(plan, everyOption.input.amount);
    ASSERT_EQ(data.balance.size(), 601U);
    ASSERT_EQ(data.prepaidBalance.size(), 100U);
    EXPECT_EQ(data.balance.front(), 1000000000);
    EXPECT_EQ(data.prepaidBalance.back(), 0);
    ASSERT_EQ(data.years.size(), 9U); // 99 payments
    finance::Extended principal = 0;
    finance::Extended interest = 0;
    for (const auto& year : data.years) {
        principal += year.principal;
        interest += year.interest;
    }
    EXPECT_NEAR(static_cast<double>(principal), 1e9, 1e-3);
    EXPECT_NEAR(static_cast<double>(interest), 1698166055.99, 1e-3);
}

} // namespace
