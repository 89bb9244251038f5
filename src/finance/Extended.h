#pragma once

#include <limits>

// Every amount, rate and factor is an 80-bit x87 extended value; flags that trade IEEE semantics for speed
// would change the figures the user sees.
#ifdef __FAST_MATH__
#error "Corvanta must be built without -ffast-math: its figures depend on IEEE extended arithmetic"
#endif

namespace finance {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "long double must be the 80-bit extended type");

} // namespace finance
