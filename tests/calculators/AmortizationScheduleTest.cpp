// The amortization schedule on its own: month rows against figures from 50-digit decimal arithmetic.
#include "calculators/loan/AmortizationSchedule.h"

#include "finance/FinanceErrors.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Row = std::array<std::string, 4>;

struct ScheduleCase
{
    const char* name;
    calculators::Extended rate;
    std::int32_t years;
    calculators::Extended amount;
    std::vector<Row> rows; // month numbers in the first text
};

void PrintTo(const ScheduleCase& c, std::ostream* out)
{
    *out << c.name;
}

class AmortizationScheduleRows : public ::testing::TestWithParam<ScheduleCase>
{ };

TEST_P(AmortizationScheduleRows, MatchTheReference)
{
    const ScheduleCase& c = GetParam();
    const std::int32_t months = calculators::scheduleMonthCount(c.years);
    const auto schedule = calculators::amortizationSchedule(c.rate, months, c.amount);
    ASSERT_EQ(schedule.months.size(), static_cast<std::size_t>(c.years) * 12);
    const regional::RegionalSettings us;
    for (const Row& expected : c.rows) {
        const int month = std::stoi(expected[0]);
        SCOPED_TRACE(month);
        EXPECT_EQ(
            calculators::scheduleRowTexts(month, schedule.months[static_cast<std::size_t>(month - 1)], us), expected);
    }
    // The principal repaid adds up to the amount; what is left is a residue far below a cent.
    calculators::Extended repaid = 0;
    for (const auto& month : schedule.months)
        repaid += month.principal;
    EXPECT_NEAR(static_cast<double>(repaid), static_cast<double>(c.amount), 1e-6);
    EXPECT_NEAR(static_cast<double>(schedule.months.back().balance), 0.0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Loans, AmortizationScheduleRows,
    ::testing::Values(ScheduleCase { "One_year_with_cents", 5.5L, 1, 2500.50L,
                          { { "1", "$11.46", "$203.17", "$2,297.33" }, { "7", "$5.81", "$208.83", "$1,058.57" },
                              { "12", "$0.98", "$213.66", "$0.00" } } },
        ScheduleCase { "Fifty_years_at_30", 30, 50, 250000,
            { { "1", "$6,250.00", "$0.00", "$250,000.00" }, { "300", "$6,246.30", "$3.70", "$249,848.46" },
                { "600", "$152.44", "$6,097.56", "$0.00" } } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmortizationSchedule, TermsWithoutMonthsEndInErrors)
{
    // No months: the level payment divides by zero, as for any zero term.
    EXPECT_THROW(calculators::amortizationSchedule(7, 0, 100000), finance::EZeroDivide);
    try {
        calculators::amortizationSchedule(7, -12, 100000);
        ADD_FAILURE() << "a negative month count gave a schedule";
    } catch (const finance::FinanceError& error) {
        EXPECT_STREQ(error.what(), "An amortization schedule needs a term of at least one month");
    }
    // The Years field's three digits bound the term; a longer one is refused before any month is built.
    EXPECT_EQ(calculators::amortizationSchedule(7, 999 * 12, 100000).months.size(), 11988U);
    for (const std::int32_t months : { 1000 * 12, 2147483640 }) {
        SCOPED_TRACE(months);
        try {
            calculators::amortizationSchedule(7, months, 100000);
            ADD_FAILURE() << "a term beyond 999 years gave a schedule";
        } catch (const finance::FinanceError& error) {
            EXPECT_STREQ(error.what(), "A loan term has at most 999 years");
        }
    }
    EXPECT_EQ(calculators::scheduleMonthCount(178956970), 2147483640);
    EXPECT_THROW(calculators::scheduleMonthCount(178956971), finance::FinanceError);
    EXPECT_THROW(calculators::scheduleMonthCount(-178956971), finance::FinanceError);
}

} // namespace
