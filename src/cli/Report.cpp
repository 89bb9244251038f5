#include "cli/Report.h"

#include "finance/Formats.h"

namespace cli {

std::string exactDecimal(finance::Extended value, int decimals)
{
    return finance::fixedText(value, decimals, finance::RegionalSettings {});
}

Figure moneyFigure(std::string name, finance::Extended value, const finance::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, settings.moneyDecimals), finance::moneyText(value, settings) };
}

Figure wholeMoneyFigure(std::string name, finance::Extended value, const finance::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, 0), finance::wholeMoneyText(value, settings) };
}

Figure fixedFigure(std::string name, finance::Extended value, int decimals, const finance::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, decimals), finance::fixedText(value, decimals, settings) };
}

Figure groupedFigure(std::string name, finance::Extended value, const finance::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, 0), finance::groupedText(value, settings) };
}

Figure integerFigure(std::string name, std::int32_t value)
{
    return { std::move(name), finance::integerText(value), finance::integerText(value) };
}

} // namespace cli
