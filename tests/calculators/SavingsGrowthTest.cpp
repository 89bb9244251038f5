// Savings growth on its own: periods and compounding by frequency, and the 6-byte real before display.
#include "calculators/SavingsGrowth.h"

#include "finance/FinanceErrors.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using calculators::ContributionFrequency;
using calculators::SavingsGrowthInput;

std::string captionOf(const SavingsGrowthInput& input)
{
    try {
        return calculators::savingsGrowthCaption(calculators::savingsFutureValue(input), regional::RegionalSettings {});
    } catch (const finance::FinanceError& error) {
        return error.what();
    }
}

// Reference figures: C ((1 + r)^n - 1) / r + V (1 + r)^n with r the periodic rate, in 50-digit decimal
// arithmetic; where the value needs more than 40 bits, it is rounded to 40 bits (ties away) with exact fractions.
TEST(SavingsGrowth, CaptionsByFrequency)
{
    constexpr auto Annually = ContributionFrequency::Annually;
    constexpr auto Monthly = ContributionFrequency::Monthly;
    constexpr auto Weekly = ContributionFrequency::Weekly;
    const struct
    {
        const char* what;
        SavingsGrowthInput input;
        const char* caption;
    } cases[] = {
        { "balance alone, annually", { 7, 10, 0, 1000, Annually }, "$1,967.15 value in future" },
        { "balance alone, monthly", { 7, 10, 0, 1000, Monthly }, "$2,009.66 value in future" },
        { "balance alone, weekly", { 7, 10, 0, 1000, Weekly }, "$2,012.80 value in future" },
        // 13780612339.8223 exactly; 40 bits keep 13780612339.828125.
        { "forty bits show in the cents", { 10, 100, 0, 1000000, Annually }, "$13,780,612,339.83 value in future" },
        // 1.5^90 = 7050392822843069.37; 40 bits keep 7050392822841344.
        { "largest growth", { 50, 90, 0, 1, Annually }, "7.05039282284134E15 value in future" },
        { "growth beyond 1e16", { 50, 91, 0, 1, Annually }, "FutureValue" },
        { "beyond the 6-byte range", { 1, 200, 0, 1e38L, Annually }, "Floating point overflow" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(captionOf(c.input), c.caption);
    }
}

} // namespace
