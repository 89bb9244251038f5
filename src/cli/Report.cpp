#include "cli/Report.h"

#include "regional/Formats.h"

namespace cli {

std::string exactDecimal(finance::Extended value, int decimals)
{
    return regional::fixedText(value, decimals, regional::RegionalSettings {});
}

Figure moneyFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, settings.moneyDecimals), regional::moneyText(value, settings) };
}

Figure wholeMoneyFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, 0), regional::wholeMoneyText(value, settings) };
}

Figure fixedFigure(std::string name, finance::Extended value, int decimals, const regional::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, decimals), regional::fixedText(value, decimals, settings) };
}

Figure groupedFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings)
{
    return { std::move(name), exactDecimal(value, 0), regional::groupedText(value, settings) };
}

Figure integerFigure(std::string name, std::int32_t value)
{
    return { std::move(name), regional::integerText(value), regional::integerText(value) };
}

} // namespace cli
