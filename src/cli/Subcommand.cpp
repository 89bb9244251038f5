#include "cli/Subcommand.h"

#include "finance/NumberEntry.h"

#include <cstdint>
#include <utility>

namespace cli {

calculators::FieldText optionTexts(const Given& given)
{
    return [&given](std::string_view field) { return given.text(field); };
}

calculators::FieldValues readOptions(
    std::span<const calculators::FieldCheck> checks, const Given& given, const Context& context)
{
    auto read = calculators::readFields(checks, optionTexts(given), context.settings);
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read))
        throw RefusedOption(*failure);
    return std::get<calculators::FieldValues>(read);
}

finance::Extended decimalOption(const Given& given, std::string_view name, const Context& context)
{
    return finance::decimalNumberEntry(given.text(name), context.settings);
}

std::int32_t wholeOption(const Given& given, std::string_view name)
{
    return finance::wholeNumberEntry(given.text(name));
}

} // namespace cli
