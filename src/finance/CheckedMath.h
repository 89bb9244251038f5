#pragma once

#include "finance/Extended.h"

#include <cstdint>

// Arithmetic errors are found by explicit checks on operands and results: the compiler may move
// floating-point operations across fenv flag reads, and trapping SIGFPE is undefined behaviour.
namespace finance::checked {

// NaN raises EInvalidOp, an infinity EOverflow, a magnitude below the smallest normal gives 0.
Extended result(Extended x);

// 0/0 (or a NaN operand) raises EInvalidOp, x/0 EZeroDivide; the quotient is checked as by result().
Extended divide(Extended numerator, Extended denominator);

// A product of counts (years times periods per year); beyond 32 bits raises EOverflow.
std::int32_t multiply(std::int32_t a, std::int32_t b);

// A difference of counts (years between two ages); beyond 32 bits raises EOverflow.
std::int32_t subtract(std::int32_t a, std::int32_t b);

// e^x, computed as 2^(x * log2 e); overflow raises EOverflow, underflow gives 0.
Extended exp(Extended x);

// Natural logarithm: a negative argument raises EInvalidOp, zero EZeroDivide.
Extended ln(Extended x);

} // namespace finance::checked
