#include "calculators/FieldCheck.h"

#include "calculators/FieldReader.h"
#include "finance/Formats.h"

#include <cmath>

namespace calculators {

namespace {

std::string numberText(Extended value)
{
    return finance::generalText(value, finance::RegionalSettings {});
}

} // namespace

std::variant<FieldValues, FieldFailure> readFields(
    std::span<const FieldCheck> checks, const FieldTexts& texts, const finance::RegionalSettings& settings)
{
    FieldReader reader(settings);
    FieldValues values;
    for (const FieldCheck& check : checks) {
        // A bound field is one that an earlier check has read.
        const auto bound
            = check.boundField.empty() ? std::nullopt : std::optional<Extended>(values.decimal(check.boundField));
        const Extended value = reader.checked(check, texts.text(check.field), bound);
        if (reader.failure())
            return *reader.failure();
        values.set(check.field, value);
    }
    return values;
}

std::optional<Extended> acceptedValue(
    const FieldCheck& check, std::string_view text, const finance::RegionalSettings& settings)
{
    FieldReader reader(settings);
    const Extended value = reader.checked(check, std::string(text));
    return reader.failure() ? std::nullopt : std::optional<Extended>(value);
}

std::string acceptedText(const FieldCheck& check)
{
    std::string text = check.reading == Reading::Decimal ? "" : "a whole number ";
    if (std::isfinite(check.low) && std::isfinite(check.high))
        text += numberText(check.low) + " to " + numberText(check.high);
    else if (std::isfinite(check.low))
        text += "at least " + numberText(check.low);
    if (!check.boundField.empty()) {
        if (std::isfinite(check.low))
            text += ", ";
        text += (check.boundIncluded ? "at least --" : "above --") + std::string(check.boundField);
    }
    if (text.empty())
        return "a number";
    if (text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace calculators
