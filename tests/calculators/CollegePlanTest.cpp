// The college calculator on its own. Reference figures: 50-digit decimal arithmetic of P (1 + k)^n
// ((1 + k)^Y - 1) / k for the total, F (1 + g)^n for the fund, shortage g / ((1 + g)^n - 1).
#include "calculators/CollegePlan.h"

#include "finance/FinanceErrors.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using calculators::CollegePlanKind;
using finance::Extended;

::testing::AssertionResult Near(Extended actual, Extended expected)
{
    if (std::fabs(actual - expected) <= 1e-15L * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << static_cast<double>(actual) << " is not " << static_cast<double>(expected);
}

TEST(CollegePlan, FiguresOfThePlan)
{
    struct Case
    {
        calculators::CollegeCostInput input;
        calculators::CollegeFund fund;
        CollegePlanKind kind;
        Extended total;
        Extended fundAtStart;
        Extended shortage;
        Extended contribution; // 0 where no text shows one
    };
    const Case cases[] = {
        { { 5, 18, 7000, 4, 5 }, { 0, 7 }, CollegePlanKind::Contribution, 56891.684566891551122L, 0,
            56891.684566891551122L, 2824.7203906465834355L },
        { { 5, 18, 7000, 4, 5 }, { 10000, 7 }, CollegePlanKind::Shortage, 56891.684566891551122L,
            24098.450001880809714L, 32793.234565010741408L, 1628.2119092840108105L },
        { { 5, 18, 7000, 4, 5 }, { 100000, 7 }, CollegePlanKind::FullyFunded, 56891.684566891551122L,
            240984.50001880809714L, -184092.81545191654601L, 0 },
        { { 10, 18, 12345.67L, 5, 3 }, { 0, 50 }, CollegePlanKind::Contribution, 83030.240648764118160L, 0,
            83030.240648764118160L, 1685.6258212596046292L },
        // A fund worth exactly the cost at college start leaves no shortage at all.
        { { 17, 18, 7000, 1, 50 }, { 7000, 50 }, CollegePlanKind::FullyFunded, 10500, 10500, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.total));
        const auto plan = calculators::planCollegeSaving(c.input, c.fund);
        EXPECT_EQ(plan.kind, c.kind);
        EXPECT_TRUE(Near(calculators::projectCollegeCost(c.input).totalCost, c.total));
        EXPECT_TRUE(Near(plan.cost.totalCost, c.total));
        EXPECT_TRUE(Near(plan.fundAtCollegeStart, c.fundAtStart));
        EXPECT_TRUE(Near(plan.shortage, c.shortage));
        EXPECT_TRUE(Near(plan.annualContribution, c.contribution));
    }
}

TEST(CollegePlan, WithoutGrowthTheFactorCountsTheYears)
{
    EXPECT_EQ(calculators::accumulationFactor(13, 0), 13);
    EXPECT_EQ(calculators::accumulationFactor(0, 0), 0);
    EXPECT_TRUE(Near(calculators::accumulationFactor(3, 0.5L), 4.75L)); // (1.5^3 - 1) / 0.5
    EXPECT_TRUE(Near(calculators::planCollegeSaving({ 17, 18, 7000, 1, 5 }, { 0, 0 }).annualContribution, 7350));
}

TEST(CollegePlan, NoYearsLeftDividesByZeroOnlyWhenThereIsAShortage)
{
    EXPECT_THROW(calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 1000, 7 }), finance::EZeroDivide);
    EXPECT_THROW(calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 0, 0 }), finance::EZeroDivide);
    // A fund that already covers the cost needs no contribution, so nothing is divided.
    EXPECT_EQ(calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 40000, 7 }).kind, CollegePlanKind::FullyFunded);
}

// Ages far apart enough that the years between them leave 32 bits: an overflow, never a wrapped count.
TEST(CollegePlan, YearsBeyondThirtyTwoBitsOverflow)
{
    EXPECT_THROW(calculators::projectCollegeCost({ -2000000000, 2000000000, 7000, 4, 5 }), finance::EOverflow);
    EXPECT_THROW(calculators::planCollegeSaving({ -2000000000, 2000000000, 7000, 4, 5 }, { 0, 7 }), finance::EOverflow);
}

} // namespace
