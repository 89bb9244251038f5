#include "finance/TimeValue.h"

#include "ExtendedNear.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using finance::Extended;
using finance::PaymentTiming;

namespace {

constexpr auto End = PaymentTiming::EndOfPeriod;
constexpr auto Start = PaymentTiming::StartOfPeriod;
constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();

// A rate that makes (1 + rate)^16 exactly 1e16, and the next extended value above it.
constexpr Extended rateToBound = 9;
const Extended rateOverBound = std::nextafter(rateToBound, Extended { 10 });

using TimeValueFunction = Extended (*)(Extended, std::int32_t, Extended, Extended, PaymentTiming);

// Reference values: python3 decimal at 60 digits, with each rate first rounded to the extended
// format, from the closed forms G = (1 + r)^n, A = (G - 1) / r, A(series) = ((n - 1) r / 2 + 1) n.
// Tolerances allow for rounding 1 + r to the extended format.
TEST(TimeValue, AnnuityAndGrowthFactors)
{
    const Extended justBelowSmallRateLimit = std::nextafter(6.1e-5L, Extended { 0 });
    const struct
    {
        const char* what;
        std::int32_t periods;
        PaymentTiming timing;
        Extended rate, annuity, growth, tolerance;
    } cases[] = {
        { "zero rate ignores timing", 12, Start, 0, 12, 1, 0 },
        { "no periods", 0, Start, 0.05L, 0, 1, 0 },
        { "small rate: series", 12, End, 0.00005L, 12.0033000000000000000000377L, 1.000600165027503093997521L, 1e-18L },
        { "small rate, annuity due", 12, Start, 0.00005L, 12.0039001650000000000000446L, 1.000600165027503093997521L,
            1e-18L },
        { "small negative rate", 12, End, -0.00005L, 11.9966999999999999999999623L, 0.999400164972503093502508L,
            1e-18L },
        { "just below the series limit", 12, End, justBelowSmallRateLimit, 12.0040259999999999999997228L,
            1.000732245635942674360212L, 1e-18L },
        // (G - 1) / r cancels here, which is why smaller rates take the series.
        { "at the series limit: closed form", 12, End, 6.1e-5L, 12.0040268187323665616864610L,
            1.000732245635942674360252L, 1e-15L },
        { "negative rate", 10, End, -0.5L, 1.998046875L, 1.0L / 1024, 0 },
        { "growth exactly at the bound", 16, End, rateToBound, 1111111111111111, 1e16L, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Extended growth = -1;
        EXPECT_TRUE(NearRelative(finance::AnnuityFactor(c.periods, c.timing, c.rate, growth), c.annuity, c.tolerance));
        EXPECT_TRUE(NearRelative(growth, c.growth, c.tolerance));
    }
}

// Every calculator must agree to the last bit, so the series is evaluated in one fixed order.
TEST(TimeValue, SmallRateSeriesIsEvaluatedInOrder)
{
    Extended growth = 0;
    EXPECT_EQ(finance::AnnuityFactor(12, End, 0.00005L, growth), ((12 - 1) * 0.00005L * 0.5L + 1) * 12);
}

// A typed percentage becomes a monthly rate as p * 0.01 * (1/12). Dividing by 1200, multiplying by
// 0.01 / 12 or taking the twelfth first each changes the last bit of at least one of these rates.
TEST(TimeValue, MonthlyRateOfATypedPercentage)
{
    const struct
    {
        Extended percentage, rate;
    } cases[] = {
        { 7, 0xb.f258bf258bf258cp-11L },
        { 2.5L, 0x8.888888888888888p-12L },
        { 3.3L, 0xb.4395810624dd2f2p-12L },
        { 30, 0xc.cccccccccccccccp-9L },
        { 25, 0xa.aaaaaaaaaaaaaabp-9L },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.percentage << "%");
        EXPECT_EQ(finance::monthlyRate(c.percentage), c.rate);
    }
}

TEST(TimeValue, Values)
{
    using finance::FutureValue, finance::Payment, finance::PresentValue;
    const Extended sevenPercentMonthly = finance::monthlyRate(7);
    // Python3 decimal references as above; the perpetuity rows are -pv r / (t r + 1) and
    // -pmt (t r + 1) / r worked by hand.
    const struct
    {
        const char* what;
        TimeValueFunction function;
        Extended rate;
        std::int32_t periods;
        Extended cashFlow, futureOrPresent;
        PaymentTiming timing;
        Extended expected, tolerance;
    } cases[] = {
        { "30-year loan at 7%", Payment, sevenPercentMonthly, 360, -100000, 0, End, 665.302495179183146882269L,
            1e-17L },
        { "interest-free loan", Payment, 0, 12, -1200, 0, End, 100, 0 },
        { "saving towards a target", Payment, 0.005L, 120, 0, 10000, End, -61.0205019416494652401929L, 1e-17L },
        { "rate just above -100%", Payment, -0.99L, 12, -1000, 0, End, 9.89999999999999989704417e-22L, 1e-16L },
        { "growth of exactly 1e16 keeps the finite term", Payment, rateToBound, 16, -1000, 0, End, 9000.0000000000009L,
            1e-18L },
        { "growth just above 1e16: perpetuity", Payment, rateOverBound, 16, -1000, 0, End, 9000, 1e-18L },
        { "perpetuity", Payment, 0.5L, 100, -1000, 0, End, 500, 0 },
        { "perpetuity, annuity due", Payment, 0.5L, 100, -1000, 0, Start, 1000.0L / 3, 1e-18L },
        { "perpetuity ignores the future value", Payment, 0.5L, 100, -1000, 1e6L, End, 500, 0 },
        { "growth beyond the extended range", Payment, 0.5L, 30000, -1000, 0, End, 500, 0 },
        { "deposits at period ends", FutureValue, 0.05L, 10, -100, 0, End, 1257.7892535548828125L, 1e-17L },
        { "deposits at period starts", FutureValue, 0.05L, 10, -100, 0, Start, 1320.678716232626953125L, 1e-17L },
        { "deposits and a balance", FutureValue, 0.01L, 12, -100, -1000, End, 2395.07533145166692726906L, 1e-18L },
        { "growth of exactly 1e16", FutureValue, rateToBound, 16, -1, 0, End, 1111111111111111, 0 },
        { "loan for a payment", PresentValue, sevenPercentMonthly, 360, 665.3L, 0, End, -99999.6249556853871612095L,
            1e-17L },
        { "interest-free", PresentValue, 0, 12, 100, 0, End, -1200, 0 },
        { "discounted future value", PresentValue, 0.05L, 10, 0, 1000, End, -613.913253540759374358547L, 1e-18L },
        { "growth of exactly 1e16 keeps the finite term", PresentValue, rateToBound, 16, -9000, 0, End,
            999.9999999999999L, 1e-18L },
        { "perpetuity", PresentValue, 0.5L, 100, 500, 0, End, -1000, 0 },
        { "perpetuity, annuity due", PresentValue, 0.5L, 100, 500, 0, Start, -1500, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(NearRelative(
            c.function(c.rate, c.periods, c.cashFlow, c.futureOrPresent, c.timing), c.expected, c.tolerance));
    }
}

TEST(TimeValue, Errors)
{
    using finance::FutureValue, finance::Payment, finance::PresentValue;
    const std::string overflow = finance::EOverflow().what();
    const struct
    {
        TimeValueFunction function;
        Extended rate;
        std::int32_t periods;
        Extended cashFlow;
        std::string message;
    } cases[] = {
        { Payment, -1, 12, -1000, "Payment" },
        { Payment, -1.5L, 12, -1000, "Payment" },
        { Payment, NaN, 12, -1000, "Payment" },
        { PresentValue, -1, 12, 100, "PresentValue" },
        { FutureValue, -1, 12, -100, "FutureValue" },
        { FutureValue, 1, 54, -100, "FutureValue" }, // growth 2^54
        { FutureValue, rateOverBound, 16, -100, "FutureValue" },
        { FutureValue, 0.5L, 30000, -100, "FutureValue" }, // growth beyond the extended range
        { FutureValue, 0.05L, 10, -1e4932L, overflow },
        { Payment, 0.05L, 10, -1e4932L, overflow },
        { PresentValue, 0.05L, 10, 1e4932L, overflow },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " for rate " << c.rate << ", " << c.periods << " periods");
        EXPECT_EQ(RaisedMessage([&] { return c.function(c.rate, c.periods, c.cashFlow, 0, End); }), c.message);
    }
}

// The loan solver finds a payment from an amount and an amount from a payment; the two must agree.
TEST(TimeValue, LoanAmountFromPaymentIsInverse)
{
    constexpr Extended amount = 250000;
    for (const Extended rate : { finance::monthlyRate(7), finance::monthlyRate(0.25L), finance::monthlyRate(18),
             Extended { 0 }, 3e-5L, 0.5L }) {
        for (const std::int32_t periods : { 1, 12, 360, 100 }) {
            for (const auto timing : { End, Start }) {
                SCOPED_TRACE(testing::Message() << "rate " << rate << ", " << periods << " periods");
                const Extended payment = finance::Payment(rate, periods, -amount, 0, timing);
                EXPECT_TRUE(NearRelative(finance::PresentValue(rate, periods, payment, 0, timing), -amount, 1e-15L));
            }
        }
    }
}

} // namespace
