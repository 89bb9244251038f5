#include "finance/ActuarialApr.h"

#include "finance/Extended.h"
#include "finance/FinanceErrors.h"
#include "finance/WholeNumber.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace finance {

namespace {

// The APR in thousandths of a percent is 1,200,000 j.
constexpr std::int64_t aprUnitsPerMonthlyRate = 1200000;

// Whether the payments discounted at j = (2 t + 1) / 2,400,000, the APR t + 1/2 thousandths, are worth at least
// the amount financed: then the root lies at or above that APR. Exact: with q = 2,400,000 and r = q + 2 t + 1,
// compare the sum of payment_k q^k r^(N-k) with amount r^N.
bool rootAtOrAbove(std::span<const std::int64_t> payments, std::int64_t amountFinanced, std::int64_t t)
{
    const std::uint64_t q = 2 * aprUnitsPerMonthlyRate;
    const std::uint64_t r = q + 2 * static_cast<std::uint64_t>(t) + 1;
    WholeNumber worth;
    WholeNumber qPower(1);
    WholeNumber amount(static_cast<std::uint64_t>(amountFinanced));
    for (const std::int64_t payment : payments) {
        qPower = qPower.times(q);
        worth = worth.times(r).plus(qPower.times(static_cast<std::uint64_t>(payment)));
        amount = amount.times(r);
    }
    return worth >= amount;
}

// The payments discounted at the monthly rate j, less the amount financed; falls as j grows.
Extended discountedLess(std::span<const std::int64_t> payments, std::int64_t amountFinanced, Extended j)
{
    const Extended v = 1 / (1 + j);
    Extended sum = 0;
    for (auto payment = payments.rbegin(); payment != payments.rend(); ++payment)
        sum = (sum + static_cast<Extended>(*payment)) * v;
    return sum - static_cast<Extended>(amountFinanced);
}

} // namespace

std::int64_t actuarialAprThousandths(std::span<const std::int64_t> payments, std::int64_t amountFinanced)
{
    if (amountFinanced <= 0 || std::any_of(payments.begin(), payments.end(), [](std::int64_t each) { return each < 0; })
        || std::accumulate(payments.begin(), payments.end(), std::int64_t { 0 }) < amountFinanced)
        throw EInvalidArgument("The payments do not repay the amount financed");
    if (discountedLess(payments, amountFinanced, 0) == 0)
        return 0;
    // Bracket the monthly rate, then halve the bracket to the last bit of an extended value.
    Extended low = 0;
    Extended high = 1;
    while (discountedLess(payments, amountFinanced, high) > 0) {
        low = high;
        high *= 2;
    }
    for (;;) {
        const Extended middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        (discountedLess(payments, amountFinanced, middle) > 0 ? low : high) = middle;
    }
    const Extended apr = low * aprUnitsPerMonthlyRate;
    auto rounded = static_cast<std::int64_t>(std::floor(apr + Extended { 0.5 }));
    // Within a hair of a half the extended sums cannot tell which side the root lies on; the exact sums can. The
    // hair is far wider than the sums' rounding error, some 1e-17 of the rate.
    const Extended halfAbove = static_cast<Extended>(rounded) + Extended { 0.5 };
    const Extended hair = Extended { 1e-9 } + Extended { 1e-12 } * apr;
    if (std::fabs(apr - halfAbove) < hair || std::fabs(apr - (halfAbove - 1)) < hair) {
        while (rootAtOrAbove(payments, amountFinanced, rounded))
            ++rounded;
        while (rounded > 0 && !rootAtOrAbove(payments, amountFinanced, rounded - 1))
            --rounded;
    }
    return rounded;
}

} // namespace finance
