#pragma once

#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <string>

namespace regional {

// The named output formats. Digits are rounded half away from zero on the decimal digit string, never
// on the binary value; values whose integer part outgrows 15 digits switch to general text.
std::string moneyText(finance::Extended value, const RegionalSettings& settings); // $1,234.50
std::string wholeMoneyText(finance::Extended value, const RegionalSettings& settings); // $1,235
std::string fixedText(finance::Extended value, int decimals, const RegionalSettings& settings); // 1234.6
std::string groupedText(finance::Extended value, const RegionalSettings& settings); // 1,234
std::string generalText(finance::Extended value, const RegionalSettings& settings); // 7.25, 1E-5
std::string integerText(std::int32_t value); // -5

} // namespace regional
