#include "Subcommand.h"

#include "Formats.h"
#include "NumberEntry.h"

#include <cstdint>
#include <utility>

namespace cli {

std::string exactDecimal(finance::Extended value, int decimals)
{
    return finance::fixedText(value, decimals, finance::RegionalSettings {});
}

void requirePass(calculators::FieldChecks checks, const Given& given, const Context& context)
{
    const auto failure = calculators::firstFailure(
        checks, [&given](std::string_view field) { return given.text(field); }, context.settings);
    if (failure)
        throw RefusedOption(failure->field, failure->message);
}

finance::Extended decimalOption(const Given& given, std::string_view name, const Context& context)
{
    return finance::decimalNumberEntry(given.text(name), context.settings);
}

std::int32_t wholeOption(const Given& given, std::string_view name)
{
    return finance::wholeNumberEntry(given.text(name));
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
