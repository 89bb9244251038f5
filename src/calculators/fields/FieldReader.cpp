#include "calculators/fields/FieldReader.h"

#include "finance/FinanceErrors.h"
#include "regional/NumberEntry.h"

namespace calculators {

namespace {

// The text's value as the reading reads it; raises EConvertError when it does not convert.
Extended valueOf(Reading reading, const std::string& text, const regional::RegionalSettings& settings)
{
    if (reading == Reading::Whole)
        return static_cast<Extended>(regional::wholeNumberEntry(text));
    const Extended value = regional::decimalNumberEntry(text, settings);
    if (reading == Reading::WholeAndDecimal)
        regional::wholeNumberEntry(text);
    return value;
}

// The message of the check's failure, or an empty one when the value passes.
std::string_view failureOf(const FieldCheck& check, const std::string& text, const regional::RegionalSettings& settings,
    std::optional<Extended> bound, Extended& value)
{
    if (text.empty())
        return check.message;
    try {
        value = valueOf(check.reading, text, settings);
    } catch (const finance::EConvertError&) {
        return check.notANumberMessage.empty() ? check.message : check.notANumberMessage;
    }
    if (value < check.low || value > check.high)
        return check.message;
    if (bound && !(value > *bound || (check.boundIncluded && value == *bound)))
        return check.message;
    return {};
}

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

Extended FieldReader::checked(const FieldCheck& check, const std::string& text, std::optional<Extended> bound)
{
    if (first)
        return 0;
    Extended value = 0;
    const std::string_view message = failureOf(check, text, settings, bound, value);
    if (message.empty())
        return value;
    refuse({ check.field, std::nullopt, std::string(message) });
    return 0;
}

std::int64_t FieldReader::exact(const std::string& text, int decimals, std::int64_t low, std::int64_t high,
    std::optional<std::int64_t> whenBlank, FieldFailure refused)
{
    return within(text, low, high, whenBlank, std::move(refused),
        [&] { return regional::fixedPointEntry(text, decimals, settings); });
}

std::int32_t FieldReader::whole(const std::string& text, std::int64_t low, std::int64_t high,
    std::optional<std::int32_t> whenBlank, FieldFailure refused)
{
    // The value lies within [low, high] and came from a whole number entry, so it fits.
    return static_cast<std::int32_t>(within(text, low, high, whenBlank, std::move(refused),
        [&text] { return std::optional<std::int64_t>(regional::wholeNumberEntry(text)); }));
}

std::int64_t FieldReader::within(const std::string& text, std::int64_t low, std::int64_t high,
    std::optional<std::int64_t> whenBlank, FieldFailure refused,
    const std::function<std::optional<std::int64_t>()>& convert)
{
    if (first)
        return 0;
    if (whenBlank && isBlank(text))
        return *whenBlank;
    try {
        const auto value = convert();
        if (value && *value >= low && *value <= high)
            return *value;
    } catch (const finance::EConvertError&) { }
    refuse(std::move(refused));
    return 0;
}

void FieldReader::require(bool passes, FieldFailure refused)
{
    if (!first && !passes)
        refuse(std::move(refused));
}

void FieldReader::refuse(FieldFailure refused)
{
    first = std::move(refused);
}

std::variant<FieldValues, FieldFailure> readFields(
    std::span<const FieldCheck> checks, const FieldTexts& texts, const regional::RegionalSettings& settings)
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
    const FieldCheck& check, std::string_view text, const regional::RegionalSettings& settings)
{
    FieldReader reader(settings);
    const Extended value = reader.checked(check, std::string(text));
    return reader.failure() ? std::nullopt : std::optional<Extended>(value);
}

} // namespace calculators
