#include "finance/Formats.h"

#include "finance/DigitEngine.h"

namespace finance {

namespace {
constexpr int significantDigits = 15;
}

std::string moneyText(Extended value, const RegionalSettings& settings)
{
    return digits::currencyForm(value, 2, significantDigits, settings);
}

std::string wholeMoneyText(Extended value, const RegionalSettings& settings)
{
    return digits::currencyForm(value, 0, significantDigits, settings);
}

std::string fixedText(Extended value, int decimals, const RegionalSettings& settings)
{
    return digits::fixedForm(value, decimals, significantDigits, false, settings);
}

std::string groupedText(Extended value, const RegionalSettings& settings)
{
    return digits::fixedForm(value, 0, significantDigits, true, settings);
}

std::string generalText(Extended value, const RegionalSettings& settings)
{
    return digits::generalForm(value, significantDigits, settings);
}

std::string integerText(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace finance
