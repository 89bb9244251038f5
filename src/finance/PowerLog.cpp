#include "finance/PowerLog.h"

#include "finance/CheckedMath.h"
#include "finance/FinanceErrors.h"

#include <cmath>

namespace finance {

namespace {

// ln(2) rounded to the extended format.
constexpr Extended lnOfTwo = 0.693147180559945309417232121458176568L;

// Below this magnitude ln(1 + x) is evaluated without forming 1 + x, which would round x away.
constexpr Extended directLogLimit = 0.25L;

} // namespace

Extended RaiseToInteger(Extended x, std::int32_t n)
{
    if (n == 0)
        return 1;

    // |n| as unsigned, so that the most negative exponent has a magnitude too.
    std::uint32_t bits = n < 0 ? 0U - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
    Extended power = 1;
    Extended square = x;
    for (;;) {
        if (bits & 1U)
            power *= square;
        bits >>= 1;
        if (bits == 0)
            break;
        square *= square;
    }
    // For |x| > 1 the squares grow towards the result and for |x| < 1 they shrink towards it, so
    // an intermediate value leaves the extended range only when the result itself does.

    if (n > 0)
        return checked::result(power);
    if (x == 0)
        throw EZeroDivide();
    // x^|n| beyond the extended range means its reciprocal underflows; x^|n| lost to underflow
    // means the reciprocal is too large to represent.
    if (std::isinf(power))
        return 0;
    if (power == 0)
        throw EOverflow();
    return checked::divide(1, power);
}

Extended RaiseToReal(Extended base, Extended exponent)
{
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    constexpr Extended int32Max = 2147483647;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= int32Max)
        return RaiseToInteger(base, static_cast<std::int32_t>(exponent));
    // A negative base raises EInvalidOp and a zero base (with a negative exponent) EZeroDivide here.
    return checked::exp(exponent * checked::ln(base));
}

Extended LogOnePlus(Extended x)
{
    if (std::isnan(x) || x < -1)
        throw EInvalidOp();
    if (x == -1)
        throw EZeroDivide();
    if (std::fabs(x) < directLogLimit)
        return checked::result(std::log1p(x));
    return checked::result(std::log2(x + 1) * lnOfTwo);
}

} // namespace finance
