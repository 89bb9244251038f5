// The 6-byte real: 40 significant bits with ties away from zero, no denormals, and its range ends.
#include "finance/Real48.h"

#include "ExtendedNear.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using finance::Extended;

Extended twoTo(int exponent)
{
    return std::ldexp(Extended { 1 }, exponent);
}

// The largest value the format holds: 40 one bits below 2^127.
const Extended largest = twoTo(127) - twoTo(87);

TEST(Real48, KeepsFortyBitsAndBreaksTiesAwayFromZero)
{
    const struct
    {
        const char* what;
        Extended value, stored;
    } cases[] = {
        { "zero", 0, 0 },
        { "forty bits pass unchanged", 1 + twoTo(-39), 1 + twoTo(-39) },
        { "a tie rounds up, not to even", 1 + twoTo(-40), 1 + twoTo(-39) },
        { "a negative tie rounds down", -(1 + twoTo(-40)), -(1 + twoTo(-39)) },
        { "just under a tie rounds down", 1 + twoTo(-40) - twoTo(-63), 1 },
        { "just over a tie rounds up", 1 + twoTo(-40) + twoTo(-63), 1 + twoTo(-39) },
        { "a carry into the next power", 2 - twoTo(-41), 2 },
        // 19318.14212 is 648209286131.88 units of its last kept bit (2^-25): it rounds to 648209286132 of them.
        { "a money amount", 19318.14212L, 648209286132.0L * twoTo(-25) },
        { "the smallest value", twoTo(-128), twoTo(-128) },
        { "below the smallest value", twoTo(-128) - twoTo(-180), 0 },
        { "far below", -twoTo(-140), 0 },
        { "the largest value", largest, largest },
        { "just under the rounding limit", largest + twoTo(86) - twoTo(63), largest },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(finance::storedAsReal48(c.value), c.stored);
    }
}

TEST(Real48, ValuesBeyondTheRangeOverflow)
{
    const struct
    {
        const char* what;
        Extended value;
        const char* message;
    } cases[] = {
        { "2^127", twoTo(127), "Floating point overflow" },
        { "-2^127", -twoTo(127), "Floating point overflow" },
        { "rounds up to 2^127", largest + twoTo(86), "Floating point overflow" },
        { "infinity", std::numeric_limits<Extended>::infinity(), "Floating point overflow" },
        { "not a number", std::numeric_limits<Extended>::quiet_NaN(), "Invalid floating point operation" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RaisedMessage([&] { return finance::storedAsReal48(c.value); }), c.message);
    }
}

} // namespace
