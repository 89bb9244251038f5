#include "finance/LevelPayment.h"

#include "finance/WholeNumber.h"

namespace finance {

bool levelPaymentAtLeastHalves(std::uint64_t amount, std::uint64_t rateNumerator, std::uint64_t rateDenominator,
    std::int32_t months, std::uint64_t halves)
{
    // With i = n / d, g = d + n and the payment P = amount n g^m / (d (g^m - d^m)): P >= h / 2 exactly when
    // 2 amount n g^m + h d^(m+1) >= h d g^m, which needs no subtraction.
    const std::uint64_t growth = rateDenominator + rateNumerator;
    WholeNumber growthPower(1);
    WholeNumber denominatorPower(rateDenominator);
    for (std::int32_t month = 0; month < months; ++month) {
        growthPower = growthPower.times(growth);
        denominatorPower = denominatorPower.times(rateDenominator);
    }
    const WholeNumber left = growthPower.times(2 * amount).times(rateNumerator).plus(denominatorPower.times(halves));
    return left >= growthPower.times(halves).times(rateDenominator);
}

} // namespace finance
