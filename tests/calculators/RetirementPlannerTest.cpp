// The retirement need and savings plan on their own. Reference figures come from the closed forms
// W = M (1 + i)^n, need = (12 W ((1 + r)^N - 1) / r (1 + r) - 1) / (1 + r)^N with 1 + r = (1 + g) / (1 + i),
// projected = A (1 + g)^n and contribution = shortage g / ((1 + g)^n - 1), evaluated in 50-digit decimal arithmetic.
#include "calculators/RetirementPlanner.h"

#include "../finance/ExtendedNear.h"
#include "RegionalPresets.h"
#include "finance/FinanceErrors.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

using finance::Extended;

struct PlanCase
{
    const char* name;
    calculators::RetirementInput input;
    Extended assets;
    Extended inflatedIncome;
    Extended need;
    Extended projected;
    Extended contribution; // 0: none, the assets cover the need
};

const PlanCase planCases[] = {
    { "SomeSaved", { 35, 65, 3000, 30, 7, 4 }, 100000, 9730.1925300826141308620474953839L,
        2390119.8428405551381279228914491L, 761225.50426620292066481289837780L, 17244.132745112667374005344320869L },
    { "FullyFunded", { 35, 65, 3000, 30, 7, 4 }, 2000000, 9730.1925300826141308620474953839L,
        2390119.8428405551381279228914491L, 15224510.085324058413296257967556L, 0 },
    { "NoGrowth", { 35, 65, 3000, 30, 0, 4 }, 100000, 9730.1925300826141308620474953839L,
        6548603.6648252561030012920401821L, 100000, 214953.45549417520343337640133940L },
    // Growth too small to move 1 + g: the saving factor is still the number of years.
    { "GrowthBelowResolution", { 35, 65, 3000, 30, 1e-20L, 4 }, 0, 9730.1925300826141308620474953839L,
        6548603.6648252561029899154338719L, 0, 218286.78882750853676601399861860L },
    { "OldestAndSmallest", { 1, 99, 2, 1, 8.5L, 3.25L }, 0, 45.946867481944833371916108217507L,
        550.41079688011219401138039538427L, 0, 0.015781126322691777288277198739521L },
};

void PrintTo(const PlanCase& c, std::ostream* os)
{
    *os << c.name;
}

class RetirementPlanner : public ::testing::TestWithParam<PlanCase>
{ };

TEST_P(RetirementPlanner, MatchesTheClosedForms)
{
    constexpr Extended closely = 1e-15L;
    const PlanCase& c = GetParam();
    const auto need = calculators::retirementNeed(c.input);
    EXPECT_TRUE(NearRelative(need.inflatedMonthlyIncome, c.inflatedIncome, closely));
    EXPECT_TRUE(NearRelative(need.need, c.need, closely));

    const auto plan = calculators::retirementPlan(c.input, c.assets);
    EXPECT_EQ(plan.need, need.need);
    EXPECT_TRUE(NearRelative(plan.projectedAssets, c.projected, closely));
    EXPECT_EQ(plan.annualContribution.has_value(), c.contribution != 0);
    if (plan.annualContribution) {
        EXPECT_TRUE(NearRelative(*plan.annualContribution, c.contribution, closely));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RetirementPlanner, ::testing::ValuesIn(planCases),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

TEST(RetirementPlannerTexts, FollowTheRegionalSettings)
{
    const auto german = euroSettings();
    const calculators::RetirementInput input { 35, 65, 3000, 30, 7, 4 };

    EXPECT_EQ(calculators::retirementNeedSentence(input, calculators::retirementNeed(input), german),
        "You will need 2.390.120 € at retirement in order to provide an inflation adjusted monthly income of 9.730 €, "
        "along with annual cost of living increases of 4,00 percent.");
    EXPECT_EQ(calculators::retirementPlanText(input, calculators::retirementPlan(input, 100000), german),
        "At 7,00 percent per year your current account will grow to 761.225,50 €. That will leave you with a shortage "
        "of 1.628.894,34 € which may be made up by contributing 17.244,13 € per year.");
}

// Ages far apart enough that the years between them leave 32 bits: an overflow, never a wrapped count.
TEST(RetirementPlanner, YearsBeyondThirtyTwoBitsOverflow)
{
    const calculators::RetirementInput input { -2000000000, 2000000000, 3000, 25, 7, 3 };
    EXPECT_THROW(calculators::retirementNeed(input), finance::EOverflow);
    EXPECT_THROW(calculators::retirementPlan(input, 0), finance::EOverflow);
}

} // namespace
