#pragma once

#include "finance/Extended.h"

#include <cstdint>

namespace finance {

// x^n by repeated squaring; x^0 = 1; a negative n gives 1 / x^|n| (0 with negative n: EZeroDivide).
Extended RaiseToInteger(Extended x, std::int32_t n);

// base^exponent: integral exponents go through RaiseToInteger, others through e^(exponent * ln base).
Extended RaiseToReal(Extended base, Extended exponent);

// ln(1 + x), accurate for x near 0.
Extended LogOnePlus(Extended x);

} // namespace finance
