#include "finance/CheckedMath.h"

#include "finance/FinanceErrors.h"

#include <cfloat>
#include <cmath>

namespace finance::checked {

namespace {

// log2(e) rounded to the extended format.
constexpr Extended log2OfE = 1.44269504088896340735992468100189214L;

} // namespace

Extended result(Extended x)
{
    if (std::isnan(x))
        throw EInvalidOp();
    if (std::isinf(x))
        throw EOverflow();
    if (x != 0 && std::fabs(x) < LDBL_MIN)
        return 0;
    return x;
}

Extended divide(Extended numerator, Extended denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        throw EInvalidOp();
    if (denominator == 0) {
        if (numerator == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return result(numerator / denominator);
}

std::int32_t multiply(std::int32_t a, std::int32_t b)
{
    std::int32_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw EOverflow();
    return product;
}

std::int32_t subtract(std::int32_t a, std::int32_t b)
{
    std::int32_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw EOverflow();
    return difference;
}

Extended exp(Extended x)
{
    if (std::isnan(x))
        throw EInvalidOp();
    // An infinite or very large negative exponent underflows to 0 (exp2l(-inf) is 0); a large
    // positive one gives infinity, which result() reports as overflow.
    return result(std::exp2(x * log2OfE));
}

Extended ln(Extended x)
{
    if (std::isnan(x) || x < 0)
        throw EInvalidOp();
    if (x == 0)
        throw EZeroDivide();
    return result(std::log(x));
}

} // namespace finance::checked
