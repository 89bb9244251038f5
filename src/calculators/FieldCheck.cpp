#include "FieldCheck.h"

#include "FinanceErrors.h"
#include "Formats.h"
#include "NumberEntry.h"

#include <cmath>

namespace calculators {

namespace {

// The text's value as the reading reads it; raises EConvertError when it does not convert.
Extended valueOf(Reading reading, std::string_view text, const finance::RegionalSettings& settings)
{
    if (reading == Reading::Whole)
        return static_cast<Extended>(finance::wholeNumberEntry(text));
    const Extended value = finance::decimalNumberEntry(text, settings);
    if (reading == Reading::WholeAndDecimal)
        finance::wholeNumberEntry(text);
    return value;
}

std::optional<Extended> convertedValue(
    Reading reading, std::string_view text, const finance::RegionalSettings& settings)
{
    try {
        return valueOf(reading, text, settings);
    } catch (const finance::EConvertError&) {
        return std::nullopt;
    }
}

bool inRange(const FieldCheck& check, Extended value)
{
    return check.low <= value && value <= check.high;
}

// The message of the check's failure on the text, or an empty one when the value passes. The bound is the value of
// a field read before this one.
std::string_view failureOf(const FieldCheck& check, const std::string& text, const std::optional<Extended>& value,
    const std::optional<Extended>& bound)
{
    if (text.empty())
        return check.message;
    if (!value)
        return check.notANumberMessage.empty() ? check.message : check.notANumberMessage;
    if (!inRange(check, *value))
        return check.message;
    if (bound && !(*value > *bound || (check.boundIncluded && *value == *bound)))
        return check.message;
    return {};
}

std::string numberText(Extended value)
{
    return finance::generalText(value, finance::RegionalSettings {});
}

} // namespace

std::variant<FieldValues, FieldFailure> readFields(
    std::span<const FieldCheck> checks, const FieldText& textOf, const finance::RegionalSettings& settings)
{
    FieldValues values;
    for (const FieldCheck& check : checks) {
        const std::string text = textOf(check.field);
        const auto value = text.empty() ? std::nullopt : convertedValue(check.reading, text, settings);
        std::optional<Extended> bound;
        // The bound is the value of a field read before; one that is no field of the checks must convert.
        if (value && !check.boundField.empty())
            bound = values.has(check.boundField) ? values.decimal(check.boundField)
                                                 : valueOf(Reading::Decimal, textOf(check.boundField), settings);
        const std::string_view failure = failureOf(check, text, value, bound);
        if (!failure.empty())
            return FieldFailure { check.field, std::nullopt, std::string(failure) };
        values.set(check.field, *value);
    }
    return values;
}

bool accepts(const FieldCheck& check, std::string_view text, const finance::RegionalSettings& settings)
{
    const auto value = convertedValue(check.reading, text, settings);
    return value && inRange(check, *value);
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
