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

const FieldCheck* checkOf(FieldChecks checks, std::string_view field)
{
    for (const FieldCheck& check : checks)
        if (check.field == field)
            return &check;
    return nullptr;
}

// The message of the check's failure, or an empty one when the field passes.
std::string_view failureOf(
    const FieldCheck& check, FieldChecks checks, const FieldText& textOf, const finance::RegionalSettings& settings)
{
    const std::string text = textOf(check.field);
    if (text.empty())
        return check.message;
    const auto value = convertedValue(check.reading, text, settings);
    if (!value)
        return check.notANumberMessage.empty() ? check.message : check.notANumberMessage;
    if (!inRange(check, *value))
        return check.message;
    if (!check.boundField.empty()) {
        const FieldCheck* boundCheck = checkOf(checks, check.boundField);
        const Extended bound
            = valueOf(boundCheck ? boundCheck->reading : Reading::Decimal, textOf(check.boundField), settings);
        if (!(*value > bound || (check.boundIncluded && *value == bound)))
            return check.message;
    }
    return {};
}

std::string numberText(Extended value)
{
    return finance::generalText(value, finance::RegionalSettings {});
}

} // namespace

std::optional<CheckFailure> firstFailure(
    FieldChecks checks, const FieldText& textOf, const finance::RegionalSettings& settings)
{
    for (const FieldCheck& check : checks) {
        const std::string_view failure = failureOf(check, checks, textOf, settings);
        if (!failure.empty())
            return CheckFailure { check.field, failure };
    }
    return std::nullopt;
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
