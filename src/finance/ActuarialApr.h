#pragma once

#include <cstdint>
#include <span>

namespace finance {

// The annual percentage rate, in thousandths of a percent, of a loan that pays amountFinanced (> 0) cents now for the
// monthly payments given in cents: 1200 j, where j solves amountFinanced = sum of payment k / (1 + j)^k, rounded half
// away from zero exactly (the extended-precision root, settled by exact whole-number sums within a hair of a half).
// Payments that are negative or do not add up to the amount financed raise EInvalidArgument.
std::int64_t actuarialAprThousandths(std::span<const std::int64_t> payments, std::int64_t amountFinanced);

} // namespace finance
