// Years turn into 32-bit period counts; a count beyond 32 bits is an overflow error, never a wrapped count.
#include "calculators/Refinance.h"
#include "calculators/SavingsGrowth.h"
#include "calculators/loan/LoanSolver.h"
#include "finance/FinanceErrors.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace {

using calculators::ContributionFrequency;

// 2147483647 / 12 = 178956970.58 and 2147483647 / 52 = 41297762.44: the first count past the range.
constexpr std::int32_t yearsOfMonthsLimit = 178956970;
constexpr std::int32_t yearsOfWeeksLimit = 41297762;

std::function<void()> loan(std::int32_t years)
{
    return [years] { calculators::solveLoan({ calculators::LoanSolveFor::MonthlyPayment, 7, years, 1000, 0 }); };
}

std::function<void()> refinance(std::int32_t years)
{
    return [years] { calculators::refinanceSavings({ 900, 100000, years, 6, 2000, 1 }); };
}

std::function<void()> savings(std::int32_t years, ContributionFrequency frequency)
{
    return [years, frequency] { calculators::savingsFutureValue({ 0, years, 1, 0, frequency }); };
}

TEST(PeriodCount, CountsBeyondThirtyTwoBitsOverflow)
{
    const struct
    {
        const char* what;
        std::function<void()> calculate;
        bool overflows;
    } cases[] = {
        { "loan, last whole count", loan(yearsOfMonthsLimit), false },
        { "loan, one year more", loan(yearsOfMonthsLimit + 1), true },
        { "loan, negative", loan(-yearsOfMonthsLimit - 1), true },
        { "refinance, last whole count", refinance(yearsOfMonthsLimit), false },
        { "refinance, one year more", refinance(yearsOfMonthsLimit + 1), true },
        { "savings monthly, one year more", savings(yearsOfMonthsLimit + 1, ContributionFrequency::Monthly), true },
        { "savings weekly, one year more", savings(yearsOfWeeksLimit + 1, ContributionFrequency::Weekly), true },
        { "savings annually, largest count", savings(2147483647, ContributionFrequency::Annually), false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.overflows)
            EXPECT_THROW(c.calculate(), finance::EOverflow);
        else
            EXPECT_NO_THROW(c.calculate());
    }
}

} // namespace
