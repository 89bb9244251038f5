#pragma once

#include "calculators/FieldFailure.h"
#include "calculators/FieldTexts.h"
#include "finance/Extended.h"
#include "finance/RegionalSettings.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace calculators {

using finance::Extended;

// How a field's text is read.
enum class Reading {
    Decimal,
    Whole,
    // A whole number that the decimal rules read as well: no hexadecimal, no trailing blank.
    WholeAndDecimal,
};

// One check of a calculator's field: the field fails when its text is empty, does not convert, or its value lies
// outside the accepted range. A calculator's checks are a table run in order; the window and the command line
// run the same tables, so they refuse the same texts with the same messages.
struct FieldCheck
{
    // The field as the command line's option names it ("rate"); each window says which control holds it.
    std::string_view field;
    Reading reading = Reading::Decimal;
    // The accepted range, both ends included.
    Extended low = -std::numeric_limits<Extended>::infinity();
    Extended high = std::numeric_limits<Extended>::infinity();
    std::string_view message;
    // Shown instead of message when the text does not convert; empty: message is shown.
    std::string_view notANumberMessage = {};
    // A lower bound that is the value of a field checked before this one, read as that field's check reads it:
    // the value must lie above it, or reach it where boundIncluded.
    std::string_view boundField = {};
    bool boundIncluded = false;
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
    std::span<const FieldCheck> checks, const FieldTexts& texts, const finance::RegionalSettings& settings);

// A calculator's reader: its input from the field texts, or the first refused field. A field that the window reads
// without a check raises the number entry's EConvertError when its text does not convert, as the window shows it.
template <typename Input>
using InputReader = std::variant<Input, FieldFailure> (*)(const FieldTexts& texts, const finance::RegionalSettings&);

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
    const finance::RegionalSettings& settings)
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
    const FieldCheck& check, std::string_view text, const finance::RegionalSettings& settings);

// The accepted values in a few words, for a help text: "1 to 30", "at least 2", "a whole number above --age".
std::string acceptedText(const FieldCheck& check);

} // namespace calculators
