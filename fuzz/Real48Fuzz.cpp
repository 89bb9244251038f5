// The 48-bit real store on any 80-bit pattern: a stored value has 40 significant bits, lies within half
// of its last bit of the value, keeps the sign and is stored unchanged again; only NaN and the range end fail.
#include "FuzzInput.h"
#include "finance/FinanceErrors.h"
#include "finance/Real48.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using finance::Extended;

const Extended smallest = std::ldexp(Extended { 1 }, -128);
// Values from here on round to 2^127, beyond the largest stored value (2^127 - 2^87).
const Extended roundingLimit = std::ldexp(Extended { 1 }, 127) - std::ldexp(Extended { 1 }, 86);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const Extended value = input.extendedBits();
    Extended stored = 0;
    try {
        stored = finance::storedAsReal48(value);
    } catch (const finance::EOverflow&) {
        fuzz::require(std::fabs(value) >= roundingLimit, "overflow only at the range end");
        return 0;
    } catch (const finance::EInvalidOp&) {
        fuzz::require(std::isnan(value), "invalid only for NaN");
        return 0;
    }
    fuzz::require(std::isfinite(value) && std::fabs(value) < roundingLimit, "stores only values in range");
    if (std::fabs(value) < smallest) {
        fuzz::require(stored == 0, "below the range gives zero");
        return 0;
    }
    int exponent = 0;
    const Extended fraction = std::frexp(stored, &exponent);
    fuzz::require(std::ldexp(fraction, 40) == std::trunc(std::ldexp(fraction, 40)), "forty significant bits");
    std::frexp(value, &exponent);
    fuzz::require(std::fabs(stored - value) <= std::ldexp(Extended { 1 }, exponent - 41), "within half a bit");
    fuzz::require(std::signbit(stored) == std::signbit(value), "sign kept");
    fuzz::require(finance::storedAsReal48(stored) == stored, "stored again unchanged");
    return 0;
}
