#pragma once

#include "finance/Extended.h"
#include "finance/Percent.h"

#include <cstdint>

namespace finance {

// When each period's payment is made.
enum class PaymentTiming : std::uint8_t {
    EndOfPeriod = 0,
    StartOfPeriod = 1, // annuity due
};

// What a payment of 1 per period grows to by the end of period n; writes (1 + rate)^n to growth.
Extended AnnuityFactor(std::int32_t periods, PaymentTiming timing, Extended rate, Extended& growth);

// Cash-flow sign convention: money paid out and money received carry opposite signs.
Extended FutureValue(
    Extended rate, std::int32_t periods, Extended payment, Extended presentValue, PaymentTiming timing);
Extended Payment(
    Extended rate, std::int32_t periods, Extended presentValue, Extended futureValue, PaymentTiming timing);
Extended PresentValue(
    Extended rate, std::int32_t periods, Extended payment, Extended futureValue, PaymentTiming timing);

// A typed annual percentage as a monthly rate: p * 0.01 * (1/12), two multiplications by extended
// constants in that order (not a division by 1200, which rounds differently).
inline Extended monthlyRate(Extended annualPercent)
{
    constexpr Extended oneTwelfth = 1.0L / 12.0L;
    return fractionOf(annualPercent) * oneTwelfth;
}

} // namespace finance
