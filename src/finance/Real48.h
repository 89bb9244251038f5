#pragma once

#include "finance/Extended.h"

namespace finance {

// A value as the 6-byte real holds it: sign, 8-bit exponent biased by 129 (0 means zero) and 39 stored
// fraction bits behind an implicit leading 1, so 40 significant bits from 2^-128 up to just below 2^127.
// Rounds to the nearest 40-bit value, ties away from zero. A magnitude below 2^-128 becomes 0; one of
// 2^127 or more, before or after rounding, raises EOverflow, and NaN raises EInvalidOp.
Extended storedAsReal48(Extended value);

} // namespace finance
