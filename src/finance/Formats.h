#pragma once

#include "finance/Extended.h"
#include "finance/RegionalSettings.h"

#include <cstdint>
#include <string>

namespace finance {

// The named output formats. Digits are rounded half away from zero on the decimal digit string, never
// on the binary value; values whose integer part outgrows 15 digits switch to general text.
std::string moneyText(Extended value, const RegionalSettings& settings); // $1,234.50
std::string wholeMoneyText(Extended value, const RegionalSettings& settings); // $1,235
std::string fixedText(Extended value, int decimals, const RegionalSettings& settings); // 1234.6
std::string groupedText(Extended value, const RegionalSettings& settings); // 1,234
std::string generalText(Extended value, const RegionalSettings& settings); // 7.25, 1E-5
std::string integerText(std::int32_t value); // -5

} // namespace finance
