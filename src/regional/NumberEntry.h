#pragma once

#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace regional {

// Decimal number entry: blanks, sign, digits with the regional decimal separator, optional exponent,
// blanks. Anything else raises EConvertError "'<text>' is not a valid floating point value".
finance::Extended decimalNumberEntry(std::string_view text, const RegionalSettings& settings);

// Decimal number entry read exactly as a whole count of 10^-decimals ("12.5" with 2 decimals is 1250): text
// the decimal entry refuses raises its EConvertError; nothing when the text holds a nonzero digit beyond the
// decimals or its magnitude reaches 10^18 units. A typed "-0" gives 0.
std::optional<std::int64_t> fixedPointEntry(std::string_view text, int decimals, const RegionalSettings& settings);

// Whole number entry: leading blanks, sign, digits to the end (or "$" and hex digits), within 32 bits.
// Anything else raises EConvertError "'<text>' is not a valid integer value".
std::int32_t wholeNumberEntry(std::string_view text);

} // namespace regional
