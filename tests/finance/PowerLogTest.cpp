#include "finance/PowerLog.h"

#include "ExtendedNear.h"
#include "finance/CheckedMath.h"

#include <cfloat>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using finance::Extended;

namespace {

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended infinity = std::numeric_limits<Extended>::infinity();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();

struct ValueCase
{
    const char* what;
    std::function<Extended()> call;
    Extended expected, tolerance;
};

struct ErrorCase
{
    const char* what;
    std::function<Extended()> call;
    std::string message;
};

void CheckValues(const std::vector<ValueCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(NearRelative(c.call(), c.expected, c.tolerance));
    }
}

void CheckErrors(const std::vector<ErrorCase>& cases)
{
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RaisedMessage(c.call), c.message);
    }
}

const std::string invalid = finance::EInvalidOp().what();
const std::string zeroDivide = finance::EZeroDivide().what();
const std::string overflow = finance::EOverflow().what();

using finance::LogOnePlus, finance::RaiseToInteger, finance::RaiseToReal;

// Inexact references: python3 decimal at 60 digits (x.ln(), x.exp(), x ** y).
TEST(PowerLog, Values)
{
    CheckValues({
        { "2^10", [] { return RaiseToInteger(2, 10); }, 1024, 0 },
        { "(-2)^3", [] { return RaiseToInteger(-2, 3); }, -8, 0 },
        { "2^-2", [] { return RaiseToInteger(2, -2); }, 0.25L, 0 },
        { "0^0", [] { return RaiseToInteger(0, 0); }, 1, 0 },
        { "0^5", [] { return RaiseToInteger(0, 5); }, 0, 0 },
        { "3^40, all 64 bits", [] { return RaiseToInteger(3, 40); }, 12157665459056928801.0L, 0 },
        { "1.5^100", [] { return RaiseToInteger(1.5L, 100); }, 406561177535215237.397279707567L, 1e-17L },
        { "(-1)^most negative", [] { return RaiseToInteger(-1, int32Min); }, 1, 0 },
        { "(-1)^largest", [] { return RaiseToInteger(-1, int32Max); }, -1, 0 },
        { "smallest normal", [] { return RaiseToInteger(2, -16382); }, LDBL_MIN, 0 },
        { "underflow of 2^-16400", [] { return RaiseToInteger(2, -16400); }, 0, 0 },
        { "underflow of 0.1^5000", [] { return RaiseToInteger(0.1L, 5000); }, 0, 0 },
        { "underflow of 10^-5000", [] { return RaiseToInteger(10, -5000); }, 0, 0 },
        { "underflow of 2^most negative", [] { return RaiseToInteger(2, int32Min); }, 0, 0 },

        { "0^0 real", [] { return RaiseToReal(0, 0); }, 1, 0 },
        { "0^2 real", [] { return RaiseToReal(0, 2); }, 0, 0 },
        { "(-2)^3 real", [] { return RaiseToReal(-2, 3); }, -8, 0 },
        { "2^-2 real", [] { return RaiseToReal(2, -2); }, 0.25L, 0 },
        { "2^0.5", [] { return RaiseToReal(2, 0.5L); }, 1.41421356237309504880169L, 1e-18L },
        { "(-1)^2147483647", [] { return RaiseToReal(-1, 2147483647.0L); }, -1, 0 },
        { "0.5^3e9 underflows", [] { return RaiseToReal(0.5L, 3e9L); }, 0, 0 },

        { "ln(1 + 1e-10)", [] { return LogOnePlus(1e-10L); }, 9.99999999950000000021711264e-11L, 1e-18L },
        { "ln(1 - 1e-10)", [] { return LogOnePlus(-1e-10L); }, -1.00000000005000000002171126e-10L, 1e-18L },
        { "ln(1 + 1e-4000)", [] { return LogOnePlus(1e-4000L); }, 1e-4000L, 1e-18L },
        { "ln 1.1", [] { return LogOnePlus(0.1L); }, 0.0953101798043248600451841712L, 1e-18L },
        { "ln 1.25", [] { return LogOnePlus(0.25L); }, 0.223143551314209755766295090L, 1e-18L },
        { "ln 0.7", [] { return LogOnePlus(-0.3L); }, -0.356674943938732378928127314L, 1e-18L },
        { "ln 0.5", [] { return LogOnePlus(-0.5L); }, -0.693147180559945309417232121L, 1e-18L },
        { "ln(1 + 1e4000)", [] { return LogOnePlus(1e4000L); }, 9210.34037197618273607196582L, 1e-18L },
    });
}

TEST(PowerLog, Errors)
{
    CheckErrors({
        { "0^-1", [] { return RaiseToInteger(0, -1); }, zeroDivide },
        { "0^most negative", [] { return RaiseToInteger(0, int32Min); }, zeroDivide },
        { "10^5000", [] { return RaiseToInteger(10, 5000); }, overflow },
        { "(-10)^5001", [] { return RaiseToInteger(-10, 5001); }, overflow },
        { "0.1^-5000", [] { return RaiseToInteger(0.1L, -5000); }, overflow },
        { "NaN^2", [] { return RaiseToInteger(NaN, 2); }, invalid },
        { "(-2)^0.5", [] { return RaiseToReal(-2, 0.5L); }, invalid },
        { "(-1)^2147483648", [] { return RaiseToReal(-1, 2147483648.0L); }, invalid },
        { "0^-1 real", [] { return RaiseToReal(0, -1); }, zeroDivide },
        { "0^-0.5", [] { return RaiseToReal(0, -0.5L); }, zeroDivide },
        { "2^3e9", [] { return RaiseToReal(2, 3e9L); }, overflow },
        { "2^NaN", [] { return RaiseToReal(2, NaN); }, invalid },
        { "ln 0", [] { return LogOnePlus(-1); }, zeroDivide },
        { "ln -0.5", [] { return LogOnePlus(-1.5L); }, invalid },
        { "ln NaN", [] { return LogOnePlus(NaN); }, invalid },
    });
}

TEST(CheckedMath, Values)
{
    using finance::checked::divide, finance::checked::exp, finance::checked::ln;
    CheckValues({
        { "6 / 3", [] { return divide(6, 3); }, 2, 0 },
        { "quotient below the smallest normal", [] { return divide(LDBL_MIN, 4); }, 0, 0 },
        { "e^1", [] { return exp(1); }, 2.71828182845904523536028747L, 1e-18L },
        { "e^10", [] { return exp(10); }, 22026.4657948067165169579006L, 1e-17L },
        { "e^-20", [] { return exp(-20); }, 2.06115362243855782796594038e-9L, 1e-17L },
        { "e^-11400 underflows", [] { return exp(-11400); }, 0, 0 },
        { "e^-inf", [] { return exp(-infinity); }, 0, 0 },
        { "ln e", [] { return ln(2.71828182845904523536028747L); }, 1, 1e-18L },
    });
    CheckErrors({
        { "1 / 0", [] { return divide(1, 0); }, zeroDivide },
        { "-1 / -0", [] { return divide(-1, -0.0L); }, zeroDivide },
        { "0 / 0", [] { return divide(0, 0); }, invalid },
        { "NaN / 1", [] { return divide(NaN, 1); }, invalid },
        { "1 / NaN", [] { return divide(1, NaN); }, invalid },
        { "max / 0.5", [] { return divide(LDBL_MAX, 0.5L); }, overflow },
        { "e^11357", [] { return exp(11357); }, overflow },
        { "e^NaN", [] { return exp(NaN); }, invalid },
        { "ln 0", [] { return ln(0); }, zeroDivide },
        { "ln -1", [] { return ln(-1); }, invalid },
    });
}

} // namespace
