#pragma once

#include "calculators/fields/FieldCheck.h"
#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace calculators {

// Reads a calculator's fields one after another, each once: the first refused field is remembered as the failure
// and every later read is skipped (and gives 0). Each read is told the failure it is when its field is refused,
// so a field of a table names its cell, and a message may name limits that depend on fields read before.
class FieldReader final
{
public:
    explicit FieldReader(const regional::RegionalSettings& settings)
        : settings(settings)
    { }

    // A field of a check table, read as its check reads it; bound is the value of the check's bound field.
    Extended checked(const FieldCheck& check, const std::string& text, std::optional<Extended> bound = {});

    // An exact decimal in units of 10^-decimals within [low, high], read by regional::fixedPointEntry. A text of
    // blanks is whenBlank where the field may be left empty.
    std::int64_t exact(const std::string& text, int decimals, std::int64_t low, std::int64_t high,
        std::optional<std::int64_t> whenBlank, FieldFailure refused);

    // A whole number within [low, high]; a text of blanks is whenBlank where the field may be left empty.
    std::int32_t whole(const std::string& text, std::int64_t low, std::int64_t high,
        std::optional<std::int32_t> whenBlank, FieldFailure refused);

    // A rule on fields read before.
    void require(bool passes, FieldFailure refused);

    const std::optional<FieldFailure>& failure() const { return first; }

private:
    // The converted value within [low, high], or whenBlank for a text of blanks where given.
    std::int64_t within(const std::string& text, std::int64_t low, std::int64_t high,
        std::optional<std::int64_t> whenBlank, FieldFailure refused,
        const std::function<std::optional<std::int64_t>()>& convert);
    void refuse(FieldFailure refused);

    const regional::RegionalSettings& settings;
    std::optional<FieldFailure> first;
};

// The values of the fields that passed their checks, by field name, each as its check read it.
class FieldValues
{
public:
    void set(std::string_view field, Extended value) { values[field] = value; }
    bool has(std::string_view field) const { return values.contains(field); }
    Extended decimal(std::string_view field) const { return values.at(field); }
    std::int32_t whole(std::string_view field) const { return static_cast<std::int32_t>(values.at(field)); }

private:
    std::map<std::string_view, Extended> values;
};

// Runs the checks in order, reading each field's text once, and returns the values or the first failure. A check's
// bound field is one that an earlier check reads.
std::variant<FieldValues, FieldFailure> readFields(
    std::span<const FieldCheck> checks, const FieldTexts& texts, const regional::RegionalSettings& settings);

// A calculator's reader: its input from the field texts, or the first refused field. A field that the window reads
// without a check raises the number entry's EConvertError when its text does not convert, as the window shows it.
template <typename Input>
using InputReader = std::variant<Input, FieldFailure> (*)(const FieldTexts& texts, const regional::RegionalSettings&);

// The member of a calculator's input that a field's value goes to.
template <typename Input>
struct InputMember
{
    std::string_view field;
    std::variant<Extended Input::*, std::int32_t Input::*> member;
};

// Reads the checks' fields and makes the calculator's input of their values.
template <typename Input>
std::variant<Input, FieldFailure> readInput(std::span<const FieldCheck> checks,
    std::initializer_list<InputMember<Input>> members, const FieldTexts& texts,
    const regional::RegionalSettings& settings)
{
    auto read = readFields(checks, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return std::move(*failure);
    const auto& values = std::get<FieldValues>(read);
    Input input;
    for (const InputMember<Input>& each : members) {
        if (const auto* decimal = std::get_if<Extended Input::*>(&each.member))
            input.*(*decimal) = values.decimal(each.field);
        else
            input.*std::get<std::int32_t Input::*>(each.member) = values.whole(each.field);
    }
    return input;
}

// The check's test without a message or bound: the value when the text converts and lies in range, else none.
std::optional<Extended> acceptedValue(
    const FieldCheck& check, std::string_view text, const regional::RegionalSettings& settings);

} // namespace calculators
