#include "finance/Real48.h"

#include "finance/FinanceErrors.h"

#include <cmath>

namespace finance {

namespace {

constexpr int significantBits = 40;
// The smallest magnitude the exponent can hold and the first one it cannot.
const Extended smallest = std::ldexp(Extended { 1 }, -128);
const Extended beyondLargest = std::ldexp(Extended { 1 }, 127);

} // namespace

Extended storedAsReal48(Extended value)
{
    if (std::isnan(value))
        throw EInvalidOp();
    const Extended magnitude = std::fabs(value);
    if (magnitude < smallest)
        return 0;
    if (magnitude >= beyondLargest)
        throw EOverflow();

    // The significand scaled to [2^39, 2^40): rounding it to an integer keeps exactly 40 bits, and
    // std::round breaks ties away from zero. Every step is exact in the 64-bit significand.
    int exponent = 0;
    const Extended fraction = std::frexp(magnitude, &exponent);
    const Extended kept = std::round(std::ldexp(fraction, significantBits));
    const Extended rounded = std::ldexp(kept, exponent - significantBits);
    if (rounded >= beyondLargest)
        throw EOverflow();
    return std::signbit(value) ? -rounded : rounded;
}

} // namespace finance
