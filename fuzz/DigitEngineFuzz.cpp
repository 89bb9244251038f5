// The digit engine on any 80-bit pattern, any rounding position and any number of decimals: digit strings
// stay canonical and every form gives a short, non-empty text.
#include "FuzzInput.h"
#include "regional/DigitEngine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool canonical(const regional::digits::DecimalDigits& number)
{
    const std::string& d = number.digits;
    if (d.empty())
        return !number.negative;
    return d.size() <= 18 && d.find_first_not_of("0123456789") == std::string::npos && d.front() != '0'
        && d.back() != '0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace digits = regional::digits;
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings settings = fuzz::settingsFrom(input);
    const std::int32_t count = input.int32();
    const std::int32_t decimals = input.int32();
    const int significantDigits = 1 + input.byte() % 18;
    const bool grouped = input.byte() % 2 == 1;
    const finance::Extended value = input.extendedBits();

    const digits::DecimalDigits number = digits::eighteenDigits(value);
    fuzz::require(canonical(number), "eighteen digits are canonical", number.digits);
    fuzz::require(number.isZero() == (value == 0 || !std::isfinite(value)), "no digits only for zero", number.digits);
    fuzz::require(number.isZero() || number.negative == std::signbit(value), "sign kept", number.digits);

    const digits::DecimalDigits rounded = digits::roundToDigits(number, count);
    fuzz::require(canonical(rounded), "rounded digits are canonical", rounded.digits);
    fuzz::require(static_cast<std::int64_t>(rounded.digits.size()) <= std::max<std::int64_t>(count, 1)
            || rounded.digits == number.digits,
        "rounding keeps at most count digits", rounded.digits);

    // Thirty decimals at most, 18 digits, the longest separators and currency placement: well under 200 bytes.
    const std::string texts[] = {
        digits::generalForm(value, significantDigits, settings),
        digits::fixedForm(value, decimals, significantDigits, grouped, settings),
        digits::currencyForm(value, decimals, significantDigits, settings),
    };
    for (const std::string& text : texts)
        fuzz::require(!text.empty() && text.size() < 200, "short non-empty text", text);
    return 0;
}
