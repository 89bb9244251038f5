#pragma once

#include "Extended.h"
#include "RegionalSettings.h"

#include <cstdint>
#include <string_view>

namespace finance {

// Decimal number entry: blanks, sign, digits with the regional decimal separator, optional exponent,
// blanks. Anything else raises EConvertError "'<text>' is not a valid floating point value".
Extended decimalNumberEntry(std::string_view text, const RegionalSettings& settings);

// Whole number entry: leading blanks, sign, digits to the end (or "$" and hex digits), within 32 bits.
// Anything else raises EConvertError "'<text>' is not a valid integer value".
std::int32_t wholeNumberEntry(std::string_view text);

} // namespace finance
