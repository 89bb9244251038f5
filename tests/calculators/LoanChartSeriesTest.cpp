// The loan chart's figures as data. Reference sums, crossover months and prepaid balances come from the
// month-by-month recurrence in 50-digit decimal arithmetic (Python's decimal module).
#include "calculators/loan/LoanChartSeries.h"

#include "calculators/loan/Prepayment.h"
#include "regional/Formats.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using calculators::Extended;

const regional::RegionalSettings us;

std::string money(Extended value)
{
    return regional::moneyText(value, us);
}

struct YearCase
{
    std::int32_t year;
    const char* principal;
    const char* interest;
};

struct ChartCase
{
    const char* name;
    Extended rate;
    std::int32_t months;
    Extended amount;
    std::int32_t crossoverMonth;
    std::vector<YearCase> years;
};

TEST(LoanChart, YearlySumsAndTheCrossoverMonthAgainstTheReference)
{
    const ChartCase cases[] = {
        { "7% 15 years", 7, 180, 100000, 62,
            { { 1, "$3,909.80", "$6,876.14" }, { 5, "$5,168.96", "$5,616.98" }, { 15, "$10,387.87", "$398.07" } } },
        { "7% 30 years", 7, 360, 150000, 242, { { 1, "$1,523.71", "$10,451.73" }, { 30, "$11,533.47", "$441.97" } } },
        { "30% 50 years", 30, 600, 250000, 573, { { 1, "$0.03", "$75,000.00" }, { 50, "$64,111.05", "$10,888.98" } } },
        { "1% repays principal first", 1, 360, 1000000, 1, { { 5, "$29,900.10", "$8,696.65" } } },
        { "18 months, a short last year", 7, 18, 10000, 1,
            { { 1, "$6,549.69", "$492.51" }, { 2, "$3,450.31", "$70.79" } } },
    };
    for (const ChartCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto schedule = calculators::amortizationSchedule(c.rate, c.months, c.amount);
        const auto data = calculators::loanChartData(schedule, {});
        EXPECT_EQ(data.crossoverMonth, c.crossoverMonth);
        ASSERT_EQ(data.years.size(), static_cast<std::size_t>((c.months + 11) / 12));
        for (const YearCase& year : c.years) {
            const auto& paid = data.years[static_cast<std::size_t>(year.year - 1)];
            EXPECT_EQ(paid.year, year.year);
            EXPECT_EQ(money(paid.principal), year.principal);
            EXPECT_EQ(money(paid.interest), year.interest);
        }
        // The balance line is the schedule's balance column, starting from the amount.
        ASSERT_EQ(data.balance.size(), schedule.months.size() + 1);
        EXPECT_EQ(data.balance.front(), c.amount);
        for (std::size_t month = 1; month < data.balance.size(); ++month)
            ASSERT_EQ(data.balance[month], schedule.months[month - 1].balance);
        EXPECT_TRUE(data.prepaidBalance.empty());
    }
}

TEST(LoanChart, PrepaidBalancesFollowTheAnalysisAndStopAtZero)
{
    const struct
    {
        const char* name;
        calculators::PrepaymentInput input;
        std::size_t months;
        const char* first;
        const char* last;
    } cases[] = {
        // The last month overpays by $199.04: the chart shows the loan repaid.
        { "100 extra from month 1", { 7, 15, 100000, 100, 1 }, 151, "$99,584.51", "$0.00" },
        { "100 extra from month 13", { 7, 30, 200000, 100, 13 }, 295, "$199,836.06", "$43.65" },
        // The analysis stops before month 120, where the threshold takes in the extra payment.
        { "50000 extra from month 120", { 7, 15, 100000, 50000, 120 }, 119, "$99,684.51", "$46,022.98" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto balances = calculators::prepaymentBalances(c.input);
        ASSERT_EQ(balances.size(), c.months);
        EXPECT_EQ(c.input.years * 12 - static_cast<std::int32_t>(c.months),
            calculators::analysePrepayment(c.input).monthsReduced);

        const auto schedule
            = calculators::amortizationSchedule(c.input.annualRatePercent, c.input.years * 12, c.input.loanAmount);
        const auto data = calculators::loanChartData(schedule, balances);
        ASSERT_EQ(data.prepaidBalance.size(), c.months + 1);
        EXPECT_EQ(data.prepaidBalance.front(), c.input.loanAmount);
        EXPECT_EQ(money(data.prepaidBalance[1]), c.first);
        EXPECT_EQ(money(data.prepaidBalance.back()), c.last);
    }
}

TEST(LoanChart, PrepaidBalanceIsNamedByTheExtraPaymentAndItsFirstMonth)
{
    regional::RegionalSettings euro;
    euro.currencySymbol = "€";
    euro.positiveCurrencyForm = 3;
    euro.thousandsSeparator = ".";
    euro.decimalSeparator = ",";
    const struct
    {
        const char* name;
        Extended extraPayment;
        std::int32_t startMonth;
        const regional::RegionalSettings& settings;
        const char* expected;
    } cases[] = {
        { "from the first month", 100, 1, us, "Paying $100.00 more from month 1" },
        { "grouped, with cents", 1234.5L, 121, us, "Paying $1,234.50 more from month 121" },
        { "a month count beyond a thousand is not grouped", 25, 1200, us, "Paying $25.00 more from month 1200" },
        { "euro", 1234.5L, 13, euro, "Paying 1.234,50 € more from month 13" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const calculators::PrepaymentInput prepayment { 7, 30, 150000, c.extraPayment, c.startMonth };
        EXPECT_EQ(calculators::prepaidBalanceName(prepayment, c.settings), c.expected);
    }
}

TEST(LoanChart, MoneyTicksAreRoundAndLabelledInTheRegionalFormat)
{
    const struct
    {
        Extended lowest;
        Extended highest;
        std::vector<const char*> labels;
        Extended step;
    } cases[] = {
        { 0, 100000, { "$0", "$20,000", "$40,000", "$60,000", "$80,000", "$100,000" }, 20000 },
        { 1e-10L, 150000, { "$0", "$50,000", "$100,000", "$150,000" }, 50000 },
        { 0, 11975.44L, { "$0", "$2,000", "$4,000", "$6,000", "$8,000", "$10,000", "$12,000" }, 2000 },
        { -1000, 4999, { "($1,000)", "$0", "$1,000", "$2,000", "$3,000", "$4,000", "$5,000" }, 1000 },
        { 0, 2, { "$0.00", "$0.50", "$1.00", "$1.50", "$2.00" }, 0.5L },
        // A loan of nothing still gets an axis.
        { 0, 0, { "$0.00", "$0.20", "$0.40", "$0.60", "$0.80", "$1.00" }, 0.2L },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.labels.back());
        const auto ticks = calculators::moneyTicks(c.lowest, c.highest, us);
        ASSERT_EQ(ticks.size(), c.labels.size());
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            EXPECT_EQ(ticks[k].label, c.labels[k]);
            EXPECT_NEAR(
                static_cast<double>(ticks[k].value - ticks.front().value), static_cast<double>(k * c.step), 1e-9);
        }
    }
}

TEST(LoanChart, MonthMarksAndYearLabels)
{
    const std::pair<std::int32_t, std::int32_t> monthSteps[] = { { 0, 1 }, { 6, 1 }, { 7, 2 }, { 12, 2 }, { 24, 12 },
        { 120, 24 }, { 180, 60 }, { 360, 60 }, { 600, 120 }, { 2147483640, 600000000 } };
    for (const auto& [months, step] : monthSteps) {
        SCOPED_TRACE(months);
        EXPECT_EQ(calculators::monthTickStep(months), step);
    }
    using Years = std::vector<std::int32_t>;
    const std::pair<std::int32_t, Years> labels[]
        = { { 0, {} }, { 1, { 1 } }, { 3, { 1, 2, 3 } }, { 15, { 1, 2, 4, 6, 8, 10, 12, 14 } },
              { 30, { 1, 5, 10, 15, 20, 25, 30 } }, { 60, { 1, 10, 20, 30, 40, 50, 60 } } };
    for (const auto& [years, expected] : labels) {
        SCOPED_TRACE(years);
        EXPECT_EQ(calculators::labelledYears(years), expected);
    }
}

} // namespace
