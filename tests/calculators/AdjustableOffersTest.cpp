// Offers with an adjustable rate: their figures with the index unchanged, in the worst and in the best case, the
// rate's path, and what the grid and the notes say of them. The table's figures come from loan_offers_expected.py
// run with "adjustable", whose cases say what each one is for.
#include "LoanOffersExpected.h"
#include "RegionalPresets.h"
#include "calculators/loanoffers/AdjustableRate.h"
#include "calculators/loanoffers/LoanOffers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using calculators::AdjustableTerms;
using calculators::Cents;
using calculators::LoanOffersInput;
using calculators::RateCase;
using calculators::RateStep;

// What an adjustable rate may do, rates in ten-thousandths of a percent.
struct ExpectedAdjustable
{
    std::int32_t firstChangePayment;
    std::int32_t changeEveryMonths;
    std::int64_t indexedRate;
    std::vector<RateStep> rateSteps;
    std::int64_t highestRate;
    std::int32_t highestRatePayment;
    Cents highestPayment;
    std::int32_t highestPaymentFrom;
    Cents lowestPayment;
    std::int32_t lowestPaymentFrom;
    Cents worstPaid;
    Cents worstCost;
    Cents worstBalance;
    std::int32_t worstPayments; // the last index of the worst case's cost curve
    Cents worstCostAtEnd;
};

// An offer's figures with the index unchanged, and what its rate may do; none for a fixed rate.
struct ExpectedAdjustableOffer
{
    ExpectedOffer figures;
    std::optional<ExpectedAdjustable> adjustable;
};

struct AdjustableCase
{
    const char* name;
    LoanOffersInput input;
    std::size_t baseline;
    std::vector<ExpectedAdjustableOffer> offers;
};

void PrintTo(const AdjustableCase& c, std::ostream* out)
{
    *out << c.name;
}

// Money in cents, rates in ten-thousandths, points and insurance in thousandths of a percent, caps in thousandths
// of a percentage point.
const AdjustableCase adjustableCases[] = {
    { "FirstCapHoldsTheFirstChange",
        { 40000000, 8000000, 0, 0, 0, 7, { 2027, 1, 1 },
            {
                { "Fixed Bank", 67500, 30, 0, 100000, 300000, 0, 0, 0, {} },
                { "ARM Bank", 60000, 30, 0, 100000, 300000, 0, 0, 1,
                    AdjustableTerms { 5, 12, 45000, 27500, 1000, 2000, 5000, 27500 } },
            } },
        0,
        {
            { { 207551, 0, 0, 207551, 0, 8400000, 31900000, 6781, 133496, 42718797, 360, 17834284, 2947969, 14886315,
                  29052031, 0, false, {} },
                {} },
            { { 191856, 0, 0, 191856, 0, 8400000, 31900000, 6763, 137461, 43987466, 360, 17018176, 3149031, 13869145,
                  28850969, 0, true, { { 1, 178 } } },
                ExpectedAdjustable { 61, 12, 72500,
                    { { 1, 60000, 191856 }, { 61, 70000, 210461 }, { 73, 72500, 215107 } }, 110000, 85, 288734, 85,
                    138574, 85, 17423020, 14383038, 28960018, 360, 65113208 } },
        } },
    { "LaterCapsStepTowardTheIndex",
        { 50000000, 10000000, 0, 0, 0, 10, { 2027, 1, 1 },
            {
                { "Fixed", 68750, 30, 500, 120000, 250000, 0, 0, 0, {} },
                { "Seven six", 55000, 30, 0, 120000, 250000, 0, 0, 1,
                    AdjustableTerms { 7, 6, 50000, 30000, 1000, 500, 5000, 30000 } },
            } },
        1,
        {
            { { 262772, 0, 0, 262772, 200000, 10570000, 39680000, 6954, 136493, 54597367, 360, 32102640, 5776733,
                  26325907, 34223267, 257, false, { { 257, 0 } } },
                {} },
            { { 227116, 0, 0, 227116, 0, 10370000, 39880000, 6657, 140504, 56201654, 360, 29167864, 6423363, 22744501,
                  33576637, 0, true, {} },
                ExpectedAdjustable { 85, 6, 80000,
                    { { 1, 55000, 227116 }, { 85, 65000, 248352 }, { 91, 70000, 259144 }, { 97, 75000, 269980 },
                        { 103, 80000, 280848 } },
                    105000, 133, 335299, 133, 179335, 103, 29363944, 23000629, 33636685, 360, 69640044 } },
        } },
    { "LifetimeCapHoldsTheIndexedRate",
        { 30000000, 6000000, 0, 0, 0, 5, { 2027, 1, 1 },
            {
                { "Low start", 30000, 30, 0, 0, 0, 0, 0, 0,
                    AdjustableTerms { 5, 12, 60000, 25000, 2000, 2000, 5000, 25000 } },
            } },
        0,
        {
            { { 101185, 0, 0, 101185, 0, 6000000, 24000000, 5846, 126541, 30369720, 360, 6071100, 2662476, 3408624,
                  21337524, 0, false, {} },
                ExpectedAdjustable { 61, 12, 85000,
                    { { 1, 30000, 101185 }, { 61, 50000, 124737 }, { 73, 70000, 149994 }, { 85, 80000, 163050 } },
                    80000, 85, 163050, 85, 95724, 61, 6071100, 3408624, 21337524, 360, 30369720 } },
        } },
    { "IndexedRateBelowTheLowestRate",
        { 30000000, 6000000, 0, 0, 0, 10, { 2027, 1, 1 },
            {
                { "Fixed", 60000, 30, 0, 0, 200000, 0, 0, 0, {} },
                { "Floor", 65000, 30, 0, 0, 200000, 0, 0, 1,
                    AdjustableTerms { 5, 12, 5000, 22500, 2000, 2000, 5000, 40000 } },
            } },
        0,
        {
            { { 143892, 0, 0, 143892, 0, 6200000, 24000000, 6000, 115839, 27801258, 360, 17467040, 3915402, 13551638,
                  20084598, 0, false, {} },
                {} },
            { { 151696, 0, 0, 151696, 0, 6200000, 24000000, 4972, 86709, 20810109, 360, 16501916, 4398026, 12103890,
                  19601974, 80, true, { { 80, 0 } } },
                ExpectedAdjustable { 61, 12, 27500,
                    { { 1, 65000, 151696 }, { 61, 45000, 124877 }, { 73, 40000, 118784 } }, 115000, 85, 226945, 85,
                    118784, 73, 22179512, 19460344, 21280832, 360, 52646397 } },
        } },
    { "IndexedRateToTheNearestEighth",
        { 30000000, 6000000, 0, 0, 0, 5, { 2027, 1, 1 },
            {
                { "Down", 55000, 30, 0, 0, 0, 0, 0, 0,
                    AdjustableTerms { 3, 12, 38200, 23600, 2000, 2000, 5000, 23600 } },
                { "Up", 55000, 30, 0, 0, 0, 0, 0, 1, AdjustableTerms { 3, 12, 38500, 23500, 2000, 2000, 5000, 23500 } },
                { "Sixteenth", 55000, 30, 0, 0, 0, 0, 0, 2,
                    AdjustableTerms { 3, 12, 38125, 22500, 2000, 2000, 5000, 22500 } },
            } },
        0,
        {
            { { 136269, 0, 0, 136269, 0, 6000000, 24000000, 5969, 116398, 27935639, 360, 8389404, 1735788, 6653616,
                  22264212, 0, true, {} },
                ExpectedAdjustable { 37, 12, 61250, { { 1, 55000, 136269 }, { 37, 61250, 145155 } }, 105000, 61, 212354,
                    61, 96359, 49, 9250704, 7741476, 22490772, 360, 48956515 } },
            { { 136269, 0, 0, 136269, 0, 6000000, 24000000, 6062, 118840, 28521613, 360, 8432796, 1721737, 6711059,
                  22278263, 0, false, { { 1, 36 } } },
                ExpectedAdjustable { 37, 12, 62500, { { 1, 55000, 136269 }, { 37, 62500, 146963 } }, 105000, 61, 212354,
                    61, 96246, 49, 9250704, 7741476, 22490772, 360, 48956515 } },
            { { 136269, 0, 0, 136269, 0, 6000000, 24000000, 5969, 116398, 27935639, 360, 8389404, 1735788, 6653616,
                  22264212, 1, true, { { 1, 0 } } },
                ExpectedAdjustable { 37, 12, 61250, { { 1, 55000, 136269 }, { 37, 61250, 145155 } }, 105000, 61, 212354,
                    61, 95124, 49, 9250704, 7741476, 22490772, 360, 48956515 } },
        } },
    { "RateThatNeverMovesIsAFixedRate",
        { 35000000, 3500000, 0, 0, 0, 8, { 2027, 1, 1 },
            {
                { "Fixed", 62500, 30, 500, 90000, 250000, 0, 500, 0, {} },
                { "Caps of zero", 62500, 30, 500, 90000, 250000, 0, 500, 1,
                    AdjustableTerms { 5, 12, 30000, 27500, 0, 0, 0, 27500 } },
                { "Index at the rate", 62500, 30, 500, 90000, 250000, 0, 500, 2,
                    AdjustableTerms { 5, 12, 35000, 27500, 2000, 2000, 5000, 27500 } },
                { "No points", 68750, 30, 0, 90000, 250000, 0, 500, 3, {} },
            } },
        3,
        {
            { { 193951, 13125, 106, 207076, 157500, 3997500, 31252500, 6653, 121658, 38322281, 360, 20376796, 3710479,
                  16666317, 27789521, 10, true, { { 10, 0 } } },
                {} },
            { { 193951, 13125, 106, 207076, 157500, 3997500, 31252500, 6653, 121658, 38322281, 360, 20376796, 3710479,
                  16666317, 27789521, 10, true, { { 10, 0 } } },
                ExpectedAdjustable { 61, 12, 57500, { { 1, 62500, 193951 } }, 62500, 1, 193951, 1, 193951, 1, 20376796,
                    16666317, 27789521, 360, 40211031 } },
            { { 193951, 13125, 106, 207076, 157500, 3997500, 31252500, 6653, 121658, 38322281, 360, 20376796, 3710479,
                  16666317, 27789521, 10, true, { { 10, 0 } } },
                ExpectedAdjustable { 61, 12, 62500, { { 1, 62500, 193951 } }, 112500, 85, 291601, 85, 136365, 73,
                    22932424, 19888405, 28455981, 360, 68927512 } },
            { { 206933, 13125, 114, 220058, 0, 3840000, 31410000, 7251, 136493, 42995379, 360, 21465568, 3374493,
                  18091075, 28125507, 0, false, {} },
                {} },
        } },
    { "InsuranceEndsAfterAChange",
        { 40000000, 2000000, 0, 0, 0, 15, { 2027, 1, 1 },
            {
                { "Fixed", 65000, 30, 0, 0, 0, 0, 600, 0, {} },
                { "Five one", 50000, 30, 0, 0, 0, 0, 600, 1,
                    AdjustableTerms { 5, 12, 45000, 27500, 2000, 2000, 6000, 27500 } },
            } },
        0,
        {
            { { 240186, 19000, 135, 259186, 0, 2000000, 38000000, 6966, 127544, 48466797, 360, 45798480, 10427570,
                  35370910, 27572430, 0, false, {} },
                {} },
            { { 203992, 19000, 132, 222992, 0, 2000000, 38000000, 6786, 131044, 49796594, 360, 44931180, 10386352,
                  34544828, 27613648, 0, true, { { 1, 229 } } },
                ExpectedAdjustable { 61, 12, 72500,
                    { { 1, 50000, 203992 }, { 61, 70000, 246630 }, { 73, 72500, 252075 } }, 110000, 85, 338355, 85,
                    161129, 73, 54144480, 45913712, 29769232, 360, 77048919 } },
        } },
    { "ChangeWithTheLastPayment",
        { 20000000, 4000000, 0, 0, 0, 2, { 2027, 1, 1 },
            {
                { "Short", 50000, 2, 0, 0, 0, 0, 0, 0,
                    AdjustableTerms { 1, 11, 40000, 30000, 1000, 1000, 3000, 30000 } },
            } },
        0,
        {
            { { 701942, 0, 0, 701942, 0, 4000000, 16000000, 5259, 5577, 892358, 24, 16892358, 16000000, 892358, 0, 0,
                  false, {} },
                ExpectedAdjustable { 13, 11, 70000,
                    { { 1, 50000, 701942 }, { 13, 60000, 705706 }, { 24, 70000, 706288 } }, 70000, 24, 705706, 13,
                    698191, 13, 16892358, 892358, 0, 24, 892358 } },
        } },
    { "MonthlyChangesOverFiftyYears",
        { 100000000000, 1, 100000000000, 1, 99, 50, { 2199, 12, 31 },
            {
                { "Fixed", 299999, 50, 10000, 10000000000, 0, 0, 5000, 0, {} },
                { "Monthly", 300000, 50, 10000, 10000000000, 0, 0, 5000, 1,
                    AdjustableTerms { 1, 1, 200000, 200000, 2000, 1000, 20000, 0 } },
            } },
        0,
        {
            { { 2499992586, 416666667, 300, 11249992685, 10000000000, 20000000001, 79999999999, 43750, 1400034,
                  1400034485151, 600, 1645034485250, 99999999999, 1545034485251, 0, 0, true, {} },
                {} },
            { { 2500000920, 416666667, 300, 11250001019, 10000000000, 20000000001, 79999999999, 50373, 1885195,
                  1885195049744, 600, 2130195049843, 99999999999, 2030195049844, 0, 0, false, {} },
                ExpectedAdjustable { 13, 1, 400000,
                    { { 1, 300000, 2500000920 }, { 13, 320000, 2666666836 }, { 14, 330000, 2749999971 },
                        { 15, 340000, 2833333169 }, { 16, 350000, 2916666410 }, { 17, 360000, 2999999679 },
                        { 18, 370000, 3083332965 }, { 19, 380000, 3166666263 }, { 20, 390000, 3249999569 },
                        { 21, 400000, 3333332881 } },
                    500000, 31, 4166666076, 31, 177616827, 41, 2710749653271, 2610749653272, 0, 600, 2610749653272 } },
        } },
    { "RateFallsToZero",
        { 10000000, 2000000, 0, 0, 0, 10, { 2027, 1, 1 },
            {
                { "Zero", 15000, 10, 0, 0, 0, 0, 0, 0, AdjustableTerms { 3, 12, 0, 0, 1000, 1000, 2000, 0 } },
            } },
        0,
        {
            { { 71833, 0, 0, 71833, 0, 2000000, 8000000, 835, 4217, 337393, 120, 8337393, 8000000, 337393, 0, 0, false,
                  {} },
                ExpectedAdjustable { 37, 12, 0, { { 1, 15000, 71833 }, { 37, 5000, 69364 }, { 49, 0, 68320 } }, 35000,
                    49, 76580, 49, 68320, 49, 8992051, 992051, 0, 120, 992051 } },
        } },
    { "LastLevelOnAHalfCent",
        { 20009114, 4000000, 0, 0, 0, 2, { 2027, 1, 1 },
            {
                { "Last payment", 50000, 2, 0, 0, 0, 0, 0, 0,
                    AdjustableTerms { 1, 11, 40000, 30000, 1000, 1000, 3000, 30000 } },
            } },
        0,
        {
            { { 702342, 0, 0, 702342, 0, 4000000, 16009114, 5259, 5577, 892866, 24, 16901980, 16009114, 892866, 0, 0,
                  false, {} },
                ExpectedAdjustable { 13, 11, 70000,
                    { { 1, 50000, 702342 }, { 13, 60000, 706107 }, { 24, 70000, 706699 } }, 70000, 24, 706107, 13,
                    698588, 13, 16901980, 892866, 0, 24, 892866 } },
        } },
    { "LastButOneLevelOnAHalfCent",
        { 24823977, 4000000, 0, 0, 0, 2, { 2027, 1, 1 },
            {
                { "Last but one", 42500, 2, 0, 0, 0, 0, 0, 0,
                    AdjustableTerms { 1, 10, 30000, 20000, 1000, 1000, 2000, 20000 } },
            } },
        0,
        {
            { { 906599, 0, 0, 906599, 0, 4000000, 20823977, 4442, 4697, 978191, 24, 21802168, 20823977, 978191, 0, 0,
                  false, {} },
                ExpectedAdjustable { 13, 10, 50000, { { 1, 42500, 906599 }, { 13, 50000, 910248 } }, 62500, 23, 912601,
                    23, 900618, 23, 21819060, 995083, 0, 24, 995083 } },
        } },
};

class AdjustableOffersReference : public testing::TestWithParam<AdjustableCase>
{ };

TEST_P(AdjustableOffersReference, MatchExactRationalFigures)
{
    const AdjustableCase& c = GetParam();
    const auto comparison = calculators::compareLoanOffers(c.input);
    EXPECT_EQ(comparison.baseline, c.baseline);
    ASSERT_EQ(comparison.offers.size(), c.offers.size());
    for (std::size_t i = 0; i < c.offers.size(); ++i) {
        SCOPED_TRACE(c.input.offers[i].name);
        const calculators::OfferFigures& got = comparison.offers[i];
        expectOfferFigures(got, c.offers[i].figures, c.input);
        ASSERT_EQ(got.adjustable.has_value(), c.offers[i].adjustable.has_value());
        if (!got.adjustable)
            continue;
        const calculators::AdjustableFigures& a = *got.adjustable;
        const ExpectedAdjustable& expected = *c.offers[i].adjustable;
        EXPECT_EQ(a.firstChangePayment, expected.firstChangePayment);
        EXPECT_EQ(a.changeEveryMonths, expected.changeEveryMonths);
        EXPECT_EQ(a.indexedRate, expected.indexedRate);
        EXPECT_EQ(a.rateSteps, expected.rateSteps);
        EXPECT_EQ(a.highestRate, expected.highestRate);
        EXPECT_EQ(a.highestRatePayment, expected.highestRatePayment);
        EXPECT_EQ(a.highestPayment, expected.highestPayment);
        EXPECT_EQ(a.highestPaymentFrom, expected.highestPaymentFrom);
        EXPECT_EQ(a.lowestPayment, expected.lowestPayment);
        EXPECT_EQ(a.lowestPaymentFrom, expected.lowestPaymentFrom);
        EXPECT_EQ(a.worstPaidInYearsKept, expected.worstPaid);
        EXPECT_EQ(a.worstCostInYearsKept, expected.worstCost);
        EXPECT_EQ(a.worstBalanceAtYearsKept, expected.worstBalance);
        ASSERT_EQ(a.worstCostCurve.size(), static_cast<std::size_t>(expected.worstPayments) + 1);
        const auto kept = std::min(expected.worstPayments, c.input.yearsKept * 12);
        EXPECT_EQ(a.worstCostCurve[static_cast<std::size_t>(kept)], expected.worstCost);
        EXPECT_EQ(a.worstCostCurve.back(), expected.worstCostAtEnd);
    }
}

INSTANTIATE_TEST_SUITE_P(Offers, AdjustableOffersReference, testing::ValuesIn(adjustableCases),
    [](const testing::TestParamInfo<AdjustableCase>& info) { return std::string(info.param.name); });

const LoanOffersInput& adjustableInput(std::string_view name)
{
    return std::find_if(std::begin(adjustableCases), std::end(adjustableCases), [name](const AdjustableCase& c) {
        return c.name == name;
    })->input;
}

// Caps of 0, or an indexed rate equal to the initial rate, leave the rate where it is: every figure is the fixed
// rate's, the runs against the baseline and the cost curve to its end included.
TEST(AdjustableOffers, RateThatNeverMovesHasTheFixedRatesFigures)
{
    const LoanOffersInput& input = adjustableInput("RateThatNeverMovesIsAFixedRate");
    const auto comparison = calculators::compareLoanOffers(input);
    const auto figures = [&comparison](std::size_t offer) {
        const calculators::OfferFigures& f = comparison.offers[offer];
        return std::tie(f.loanAmount, f.monthlyPrincipalAndInterest, f.mortgageInsurance,
            f.mortgageInsuranceLastPayment, f.monthlyTaxes, f.monthlyInsurance, f.monthlyDues, f.monthlyTotal, f.points,
            f.lenderCreditUsed, f.creditNotUsed, f.loanCostsUpFront, f.cashToClose, f.prepaidFinanceCharge,
            f.amountFinanced, f.aprThousandths, f.totalInterestPercentThousandths, f.totalInterest, f.payments,
            f.paidInYearsKept, f.principalInYearsKept, f.costInYearsKept, f.balanceAtYearsKept,
            f.costsNoMoreThanBaseline, f.breakEvenPayment, f.best, f.costCurve);
    };
    ASSERT_FALSE(input.offers[0].adjustable);
    for (const std::size_t offer : { std::size_t { 1 }, std::size_t { 2 } }) {
        SCOPED_TRACE(input.offers[offer].name);
        ASSERT_TRUE(input.offers[offer].adjustable);
        EXPECT_TRUE(figures(offer) == figures(0));
    }
}

// A rate from the payment it starts with.
struct PathStep
{
    std::int32_t from;
    std::int64_t rate;
    bool operator==(const PathStep&) const = default;
};

// A path the offers' table holds none like, rates in ten-thousandths of a percent.
struct RatePathCase
{
    const char* name;
    std::int64_t initial;
    std::int32_t payments;
    AdjustableTerms terms;
    RateCase rateCase;
    std::vector<PathStep> steps;
};

void PrintTo(const RatePathCase& c, std::ostream* out)
{
    *out << c.name;
}

const RatePathCase ratePathCases[] = {
    // Fixed for the first of two years, then every 60 months: one change, with payment 13.
    { "NextChangeAfterTheTermNeverComes", 50000, 24, { 1, 60, 40000, 30000, 1000, 1000, 3000, 30000 },
        RateCase::indexUnchanged, { { 1, 50000 }, { 13, 60000 } } },
    // A first cap of 0 holds the first change alone; the later changes move by the later cap.
    { "FirstCapOfZeroHoldsOnlyTheFirstChange", 60000, 120, { 5, 12, 45000, 30000, 0, 1000, 5000, 30000 },
        RateCase::indexUnchanged, { { 1, 60000 }, { 73, 70000 }, { 85, 75000 } } },
    // The indexed rate is below the initial rate and above the lowest: the first cap, then the later, hold each fall.
    { "IndexBelowTheRateFallsByTheCap", 70000, 360, { 3, 12, 10000, 20000, 2000, 1000, 5000, 20000 },
        RateCase::indexUnchanged, { { 1, 70000 }, { 37, 50000 }, { 49, 40000 }, { 61, 30000 } } },
};

class RatePaths : public testing::TestWithParam<RatePathCase>
{ };

TEST_P(RatePaths, MoveWithinTheCapsAndLimits)
{
    const RatePathCase& c = GetParam();
    const std::vector<std::int64_t> rates = calculators::ratePath(c.initial, c.payments, c.terms, c.rateCase);
    ASSERT_EQ(rates.size(), static_cast<std::size_t>(c.payments));
    std::vector<PathStep> steps;
    for (std::size_t k = 0; k < rates.size(); ++k)
        if (k == 0 || rates[k] != rates[k - 1])
            steps.push_back({ static_cast<std::int32_t>(k + 1), rates[k] });
    EXPECT_EQ(steps, c.steps);
}

INSTANTIATE_TEST_SUITE_P(Offers, RatePaths, testing::ValuesIn(ratePathCases),
    [](const testing::TestParamInfo<RatePathCase>& info) { return std::string(info.param.name); });

using Texts = std::vector<std::string>;

// An adjustable rate's row in the grid as shown in US and in euro formats: its caption, then a cell per offer.
struct AdjustableRowCase
{
    const char* name;
    const char* comparison;
    std::string_view figure;
    Texts unitedStates;
    Texts euro;
};

void PrintTo(const AdjustableRowCase& c, std::ostream* out)
{
    *out << c.name;
}

const AdjustableRowCase adjustableRowCases[] = {
    { "RateChanges", "FirstCapHoldsTheFirstChange", "rateChanges",
        { "Rate can change", "fixed", "first with payment 61 (1/2032); then every 12 months" },
        { "Rate can change", "fixed", "first with payment 61 (01.2032); then every 12 months" } },
    { "RateChangesEveryMonth", "MonthlyChangesOverFiftyYears", "rateChanges",
        { "Rate can change", "fixed", "first with payment 13 (12/2200); then every month" },
        { "Rate can change", "fixed", "first with payment 13 (12.2200); then every month" } },
    { "IndexedRate", "FirstCapHoldsTheFirstChange", "indexedRate",
        { "Index today plus margin, to the nearest 1/8", "fixed", "7.250%" },
        { "Index today plus margin, to the nearest 1/8", "fixed", "7,250%" } },
    { "RateSteps", "FirstCapHoldsTheFirstChange", "rateSteps",
        { "Rate and payment if the index stays as today", "fixed",
            "6.000%, $1,918.56 from payment 1; 7.000%, $2,104.61 from payment 61; 7.250%, $2,151.07 from payment 73" },
        { "Rate and payment if the index stays as today", "fixed",
            "6,000%, 1.918,56 € from payment 1; 7,000%, 2.104,61 € from payment 61; 7,250%, 2.151,07 € from payment "
            "73" } },
    { "WorstRate", "FirstCapHoldsTheFirstChange", "worstRate",
        { "Highest rate (worst case)", "fixed", "11.000% from payment 85 (1/2034)" },
        { "Highest rate (worst case)", "fixed", "11,000% from payment 85 (01.2034)" } },
    { "WorstPayment", "FirstCapHoldsTheFirstChange", "worstPayment",
        { "Highest payment (worst case)", "fixed", "$2,887.34 from payment 85 (1/2034)" },
        { "Highest payment (worst case)", "fixed", "2.887,34 € from payment 85 (01.2034)" } },
    { "BestPayment", "FirstCapHoldsTheFirstChange", "bestPayment",
        { "Lowest payment (best case)", "fixed", "$1,385.74 from payment 85 (1/2034)" },
        { "Lowest payment (best case)", "fixed", "1.385,74 € from payment 85 (01.2034)" } },
    // The worst case's paid and balance rows are captioned and written as its cost is.
    { "WorstCost", "FirstCapHoldsTheFirstChange", "worstCostInYearsKept",
        { "In 7 years: cost, worst case", "fixed", "$143,830.38" },
        { "In 7 years: cost, worst case", "fixed", "143.830,38 €" } },
};

class AdjustableRowTexts : public testing::TestWithParam<AdjustableRowCase>
{ };

TEST_P(AdjustableRowTexts, ShowInRegionalFormats)
{
    const AdjustableRowCase& c = GetParam();
    const LoanOffersInput& input = adjustableInput(c.comparison);
    const auto comparison = calculators::compareLoanOffers(input);
    for (const bool euro : { false, true }) {
        SCOPED_TRACE(euro ? "euro" : "United States");
        const auto rows
            = calculators::comparisonRows(input, comparison, euro ? euroSettings() : unitedStatesSettings());
        const auto row = std::ranges::find(rows, c.figure, &calculators::ComparisonRow::figure);
        ASSERT_NE(row, rows.end());
        Texts shown { row->caption };
        for (const auto& cell : row->cells)
            shown.push_back(cell.text);
        EXPECT_EQ(shown, euro ? c.euro : c.unitedStates);
    }
}

INSTANTIATE_TEST_SUITE_P(Offers, AdjustableRowTexts, testing::ValuesIn(adjustableRowCases),
    [](const testing::TestParamInfo<AdjustableRowCase>& info) { return std::string(info.param.name); });

// The same offers with the rate fixed show none of the adjustable rows.
TEST(AdjustableOffers, NoAdjustableRowsWithoutAnAdjustableRate)
{
    LoanOffersInput input = adjustableInput("FirstCapHoldsTheFirstChange");
    for (calculators::LoanOffer& offer : input.offers)
        offer.adjustable.reset();
    const auto rows = calculators::comparisonRows(input, calculators::compareLoanOffers(input), unitedStatesSettings());
    for (const std::string_view figure : { "rateChanges", "indexedRate", "rateSteps", "worstRate", "worstPayment",
             "bestPayment", "worstPaidInYearsKept", "worstCostInYearsKept", "worstBalanceAtYearsKept" })
        EXPECT_EQ(std::ranges::find(rows, figure, &calculators::ComparisonRow::figure), rows.end()) << figure;
}

// Hovering the chart at the years kept tells the adjustable rate's worst case after it, as the chart draws it:
// against the baseline with the index unchanged.
TEST(AdjustableOffers, HoverTellsTheWorstCaseAfterItsOffer)
{
    const LoanOffersInput& input = adjustableInput("FirstCapHoldsTheFirstChange");
    EXPECT_EQ(calculators::monthCostText(input, calculators::compareLoanOffers(input), 84, unitedStatesSettings()),
        "Payment 84 (12/2033)\nFixed Bank: $148,863.15 (lowest cash to close)\nARM Bank: $138,691.45, $10,171.70 "
        "less\nARM Bank, worst case: $143,830.38, $5,032.77 less");
}

// The sentences under the grid, in US formats: an adjustable rate that costs least is told with its worst case.
struct AdjustableNotesCase
{
    const char* name;
    const char* comparison;
    Texts notes;
};

void PrintTo(const AdjustableNotesCase& c, std::ostream* out)
{
    *out << c.name;
}

const AdjustableNotesCase adjustableNotesCases[] = {
    { "WorstCaseStillCostsLess", "FirstCapHoldsTheFirstChange",
        { "Over the 7 years you keep the loan, ARM Bank costs least: $10,171.70 less than Fixed Bank.",
            "If each change raises the rate of ARM Bank as far as its caps allow, it costs $143,830.38 over those "
            "years, $5,032.77 less than Fixed Bank." } },
    { "WorstCaseCostsMore", "InsuranceEndsAfterAChange",
        { "Over the 15 years you keep the loan, Five one costs least: $8,260.82 less than Fixed.",
            "If each change raises the rate of Five one as far as its caps allow, it costs $459,137.12 over those "
            "years, $105,428.02 more than Fixed." } },
    // Each adjustable rate among those tied is told against the first other offer that costs least.
    { "WorstCaseTheSameAsTheIndexUnchanged", "RateThatNeverMovesIsAFixedRate",
        { "Over the 8 years you keep the loan, Fixed, Caps of zero and Index at the rate tie for the lowest cost, "
          "each $14,247.58 less than No points.",
            "Even if each change raises the rate of Caps of zero as far as its caps allow, it costs the same over "
            "those years.",
            "If each change raises the rate of Index at the rate as far as its caps allow, it costs $198,884.05 over "
            "those years, $32,220.88 more than Fixed." } },
    { "OneOfferAlone", "LifetimeCapHoldsTheIndexedRate",
        { "Over the 5 years you keep the loan, Low start costs $34,086.24.",
            "Even if each change raises the rate of Low start as far as its caps allow, it costs the same over those "
            "years." } },
    { "NoWorstCaseWhenAFixedRateCostsLeast", "MonthlyChangesOverFiftyYears",
        { "Over the 50 years you keep the loan, Fixed costs least: $4,851,605,645.93 less than Monthly." } },
};

class AdjustableNotes : public testing::TestWithParam<AdjustableNotesCase>
{ };

TEST_P(AdjustableNotes, TellTheWorstCaseOfTheOfferThatCostsLeast)
{
    const LoanOffersInput& input = adjustableInput(GetParam().comparison);
    EXPECT_EQ(calculators::comparisonNotes(input, calculators::compareLoanOffers(input), unitedStatesSettings()),
        GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(Offers, AdjustableNotes, testing::ValuesIn(adjustableNotesCases),
    [](const testing::TestParamInfo<AdjustableNotesCase>& info) { return std::string(info.param.name); });

} // namespace
