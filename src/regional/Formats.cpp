#include "regional/Formats.h"

#include "regional/DigitEngine.h"

namespace regional {

namespace {
constexpr int significantDigits = 15;
}

std::string moneyText(finance::Extended value, const RegionalSettings& settings)
{
    return digits::currencyForm(value, 2, significantDigits, settings);
}

std::string wholeMoneyText(finance::Extended value, const RegionalSettings& settings)
{
    return digits::currencyForm(value, 0, significantDigits, settings);
}

std::string fixedText(finance::Extended value, int decimals, const RegionalSettings& settings)
{
    return digits::fixedForm(value, decimals, significantDigits, false, settings);
}

std::string groupedText(finance::Extended value, const RegionalSettings& settings)
{
    return digits::fixedForm(value, 0, significantDigits, true, settings);
}

std::string generalText(finance::Extended value, const RegionalSettings& settings)
{
    return digits::generalForm(value, significantDigits, settings);
}

std::string integerText(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace regional
