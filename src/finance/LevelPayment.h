#pragma once

#include <cstdint>

namespace finance {

// Whether the level payment that repays `amount` in `months` monthly payments at the monthly rate
// rateNumerator / rateDenominator (both > 0) is at least halves / 2, in the amount's units, decided exactly by
// whole-number sums: the payment is amount i / (1 - (1 + i)^-months). For a rounding that lands within a hair of a
// half, where extended precision cannot tell the side.
bool levelPaymentAtLeastHalves(std::uint64_t amount, std::uint64_t rateNumerator, std::uint64_t rateDenominator,
    std::int32_t months, std::uint64_t halves);

} // namespace finance
