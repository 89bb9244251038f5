// The college calculator on its own. Reference figures: P (1 + k)^n for the first year, times
// ((1 + k)^Y - 1) / k for the total, F (1 + g)^n for the fund and shortage g / ((1 + g)^n - 1) for the
// contribution, evaluated with 50-digit decimal arithmetic.
#include "CollegePlan.h"

#include "FinanceErrors.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using calculators::CollegeCostInput;
using calculators::CollegeFund;
using calculators::CollegePlanKind;
using finance::Extended;

::testing::AssertionResult Near(Extended actual, Extended expected)
{
    if (std::fabs(actual - expected) <= 1e-15L * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << static_cast<double>(actual) << " is not " << static_cast<double>(expected);
}

TEST(CollegePlan, ProjectsTheCostAndSaysIt)
{
    struct Case
    {
        CollegeCostInput input;
        std::int32_t years;
        Extended firstYear;
        Extended total;
        const char* sentence;
    };
    const Case cases[] = {
        { { 5, 18, 7000, 4, 5 }, 13, 13199.543996262649255L, 56891.684566891551122L,
            "13 years from now, the planned education will cost $56,892" },
        // One year of college costs just the first year.
        { { 17, 18, 7000, 1, 5 }, 1, 7350, 7350, "1 years from now, the planned education will cost $7,350" },
        { { 10, 18, 12345.67L, 5, 3 }, 8, 15639.125390684650457L, 83030.240648764118160L,
            "8 years from now, the planned education will cost $83,030" },
        { { 9, 18, 1e9L, 4, 8 }, 9, 1999004627.104432128L, 9007738738.250806865L,
            "9 years from now, the planned education will cost $9,007,738,738" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        const auto cost = calculators::projectCollegeCost(c.input);
        EXPECT_EQ(cost.yearsUntilCollege, c.years);
        EXPECT_TRUE(Near(cost.firstYearCost, c.firstYear));
        EXPECT_TRUE(Near(cost.totalCost, c.total));
        EXPECT_EQ(calculators::collegeCostSentence(cost, {}), c.sentence);
    }
}

TEST(CollegePlan, ChoosesOneOfThreeTexts)
{
    struct Case
    {
        CollegeCostInput input;
        CollegeFund fund;
        CollegePlanKind kind;
        Extended fundAtStart;
        Extended shortage;
        Extended contribution; // 0 where the text does not show one
        const char* text;
    };
    const CollegeCostInput example { 5, 18, 7000, 4, 5 };
    const Case cases[] = {
        { example, { 0, 7 }, CollegePlanKind::Contribution, 0, 56891.684566891551122L, 2824.7203906465834355L,
            "Assuming your education fund will grow 7.00 percent annually, you will need to begin contributing "
            "$2,824.72 each year for the next 13 years." },
        { example, { 10000, 7 }, CollegePlanKind::Shortage, 24098.450001880809714L, 32793.234565010741408L,
            1628.2119092840108105L,
            "At 7.00 percent per year your education fund will grow to $24,098.45. That will leave a shortage of "
            "$32,793.23 which may be made up by contributing $1,628.21 per year for the next 13 years." },
        { example, { 100000, 7 }, CollegePlanKind::FullyFunded, 240984.50001880809714L, -184092.81545191654601L, 0,
            "Assuming your education fund will grow at an annual rate of 7.00 percent, then in 13 years the fund will "
            "have a value of $240,984.50.  Since your educational need is $56,891.68, your current account will "
            "fully fund your objective." },
        // A fund worth exactly the cost at college start leaves no shortage.
        { { 17, 18, 7000, 1, 50 }, { 7000, 50 }, CollegePlanKind::FullyFunded, 10500, 0, 0,
            "Assuming your education fund will grow at an annual rate of 50.00 percent, then in 1 years the fund will "
            "have a value of $10,500.00.  Since your educational need is $10,500.00, your current account will fully "
            "fund your objective." },
        { { 0, 18, 25000, 4, 6.5L }, { 1500.5L, 1 }, CollegePlanKind::Shortage, 1794.8192872678406236L,
            340494.38945532083680L, 17359.101271292549192L,
            "At 1.00 percent per year your education fund will grow to $1,794.82. That will leave a shortage of "
            "$340,494.39 which may be made up by contributing $17,359.10 per year for the next 18 years." },
        { { 5, 18, 7000, 4, 5 }, { 0, 1 }, CollegePlanKind::Contribution, 0, 56891.684566891551122L,
            4119.8010785452362357L,
            "Assuming your education fund will grow 1.00 percent annually, you will need to begin contributing "
            "$4,119.80 each year for the next 13 years." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto plan = calculators::planCollegeSaving(c.input, c.fund);
        EXPECT_EQ(plan.kind, c.kind);
        EXPECT_TRUE(Near(plan.fundAtCollegeStart, c.fundAtStart));
        EXPECT_TRUE(Near(plan.shortage, c.shortage));
        EXPECT_TRUE(Near(plan.annualContribution, c.contribution));
        EXPECT_EQ(calculators::collegePlanText(plan, {}), c.text);
    }
}

TEST(CollegePlan, AccumulationFactorWithoutGrowthCountsTheYears)
{
    EXPECT_EQ(calculators::accumulationFactor(13, 0), 13);
    EXPECT_EQ(calculators::accumulationFactor(0, 0), 0);
    EXPECT_EQ(calculators::accumulationFactor(0, 0.07L), 0);
    // (1.5^3 - 1) / 0.5 = 4.75
    EXPECT_TRUE(Near(calculators::accumulationFactor(3, 0.5L), 4.75L));
    const auto plan = calculators::planCollegeSaving({ 17, 18, 7000, 1, 5 }, { 0, 0 });
    EXPECT_TRUE(Near(plan.annualContribution, 7350));
}

TEST(CollegePlan, NoYearsLeftDividesByZeroOnlyWhenThereIsAShortage)
{
    // College starts now: no year is left to save in.
    EXPECT_THROW(calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 1000, 7 }), finance::EZeroDivide);
    EXPECT_THROW(calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 0, 0 }), finance::EZeroDivide);
    // A fund that already covers the cost needs no contribution, so nothing is divided.
    const auto covered = calculators::planCollegeSaving({ 18, 18, 7000, 4, 5 }, { 40000, 7 });
    EXPECT_EQ(covered.kind, CollegePlanKind::FullyFunded);
    EXPECT_EQ(covered.annualContribution, 0);
}

TEST(CollegePlan, GrowthBeyondTheFutureValueLimitIsAnError)
{
    EXPECT_THROW(calculators::projectCollegeCost({ 12, 18, 7000, 1, 99999 }), finance::EInvalidArgument);
    EXPECT_THROW(calculators::projectCollegeCost({ 17, 18, 7000, 6, 99999 }), finance::EInvalidArgument);
    EXPECT_NO_THROW(calculators::projectCollegeCost({ 13, 18, 7000, 5, 99999 }));
    // A fund growing at 50 % over 91 years passes 1e16.
    EXPECT_THROW(calculators::planCollegeSaving({ 0, 91, 7000, 4, 1 }, { 0, 50 }), finance::EInvalidArgument);
}

} // namespace
