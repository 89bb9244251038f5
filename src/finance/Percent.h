#pragma once

#include "finance/Extended.h"

namespace finance {

// Rates are typed and shown in percent and computed with as fractions. A percentage becomes a fraction by a
// multiplication by the extended constant 0.01, never by a division by 100, which rounds differently.
inline constexpr Extended percent = 0.01L;

// 7 (percent) as 0.07.
constexpr Extended fractionOf(Extended percentage)
{
    return percentage * percent;
}

// 0.07 as 7 (percent).
constexpr Extended percentageOf(Extended fraction)
{
    return fraction * 100;
}

} // namespace finance
