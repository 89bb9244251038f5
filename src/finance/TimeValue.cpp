#include "finance/TimeValue.h"

#include "finance/CheckedMath.h"
#include "finance/FinanceErrors.h"
#include "finance/PowerLog.h"

#include <cmath>
#include <optional>

namespace finance {

namespace {

// Below this rate magnitude (1 + r)^n - 1 cancels too badly; the first-order series is used instead.
constexpr Extended smallRateLimit = 6.1e-5L;

// Growth beyond this leaves the finite-term formulas without significant digits.
constexpr Extended growthLimit = 1e16L;

Extended timingAsNumber(PaymentTiming timing)
{
    return timing == PaymentTiming::StartOfPeriod ? 1 : 0;
}

struct Factors
{
    Extended annuity;
    Extended growth;
};

// The annuity and growth factors, or nothing when the growth factor is beyond the extended range.
// Callers with a perpetuity form use it then, as for any growth beyond growthLimit.
std::optional<Factors> factorsInRange(std::int32_t periods, PaymentTiming timing, Extended rate)
{
    try {
        Factors f {};
        f.annuity = AnnuityFactor(periods, timing, rate, f.growth);
        return f;
    } catch (const EOverflow&) {
        // The annuity factor can only overflow when the growth factor is within a few powers of
        // ten of the extended range itself, far above growthLimit.
        return std::nullopt;
    }
}

void requireRateAboveMinusOne(Extended rate, const char* function)
{
    // Written so that a NaN rate fails too.
    if (!(rate > -1))
        throw EInvalidArgument(function);
}

} // namespace

Extended AnnuityFactor(std::int32_t periods, PaymentTiming timing, Extended rate, Extended& growth)
{
    const Extended n = periods;
    if (rate == 0) {
        growth = 1;
        return n;
    }

    Extended annuity;
    if (std::fabs(rate) < smallRateLimit) {
        growth = checked::exp(checked::result(n * LogOnePlus(rate)));
        annuity = ((n - 1) * rate * 0.5L + 1) * n;
    } else {
        growth = RaiseToInteger(checked::result(rate + 1), periods);
        annuity = checked::divide(checked::result(growth - 1), rate);
    }

    if (timing == PaymentTiming::StartOfPeriod)
        annuity = checked::result(annuity * (rate + 1));
    return annuity;
}

Extended FutureValue(Extended rate, std::int32_t periods, Extended payment, Extended presentValue, PaymentTiming timing)
{
    requireRateAboveMinusOne(rate, "FutureValue");
    const auto f = factorsInRange(periods, timing, rate);
    if (!f || !(f->growth <= growthLimit))
        throw EInvalidArgument("FutureValue");

    const Extended fromPayments = checked::result(-payment * f->annuity);
    const Extended fromPresentValue = checked::result(presentValue * f->growth);
    return checked::result(fromPayments - fromPresentValue);
}

Extended Payment(Extended rate, std::int32_t periods, Extended presentValue, Extended futureValue, PaymentTiming timing)
{
    requireRateAboveMinusOne(rate, "Payment");
    const auto f = factorsInRange(periods, timing, rate);
    if (f && f->growth <= growthLimit) {
        const Extended grown = checked::result(-presentValue * f->growth);
        return checked::divide(checked::result(grown - futureValue), f->annuity);
    }

    // Perpetuity: the interest on the present value, paid a period earlier for an annuity due.
    const Extended interest = checked::result(-presentValue * rate);
    return checked::divide(interest, timingAsNumber(timing) * rate + 1);
}

Extended PresentValue(Extended rate, std::int32_t periods, Extended payment, Extended futureValue, PaymentTiming timing)
{
    requireRateAboveMinusOne(rate, "PresentValue");
    const auto f = factorsInRange(periods, timing, rate);
    if (f && f->growth <= growthLimit) {
        const Extended fromPayments = checked::result(-payment * f->annuity);
        return checked::divide(checked::result(fromPayments - futureValue), f->growth);
    }

    // Perpetuity: the inverse of the perpetuity branch of Payment.
    const Extended scaled = checked::result(-payment * (timingAsNumber(timing) * rate + 1));
    return checked::divide(scaled, rate);
}

} // namespace finance
