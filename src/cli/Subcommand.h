#pragma once

#include "calculators/fields/FieldCheck.h"
#include "calculators/fields/FieldReader.h"
#include "cli/Given.h"
#include "cli/Report.h"
#include "regional/RegionalSettings.h"
#include "regional/ShortDate.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

// An option of a subcommand, "--name VALUE", named as the field it gives. Its accepted values are told by its
// field check where the window checks the field, otherwise by `accepted`, otherwise by the subcommand's
// calculator.
struct Option
{
    std::string_view name;
    std::string_view description;
    const calculators::FieldCheck* check = nullptr;
    std::string_view accepted = {};
    // Given more than once, each value adds to those before it; any other option is refused when repeated.
    bool repeats = false;
};

// What the command runs with: the regional settings the numbers are read and shown with, and today's date for
// the loan report.
struct Context
{
    regional::RegionalSettings settings;
    finance::CivilDate today {};
};

// A field that fails its check, or an option value the command does not take: the message names the option (the
// command line names the scenario file instead where the field's text came from one).
class RefusedOption final : public std::runtime_error
{
public:
    RefusedOption(std::string_view option, std::string_view message)
        : std::runtime_error("--" + std::string(option) + ": " + std::string(message))
        , refusedOption(option)
        , refusal(message)
    { }
    // A refused field is refused as the option of the same name.
    explicit RefusedOption(const calculators::FieldFailure& failure)
        : RefusedOption(failure.field, failure.message)
    { }

    const std::string& option() const { return refusedOption; }
    const std::string& message() const { return refusal; }

private:
    std::string refusedOption;
    std::string refusal;
};

// One subcommand: its options, an example, and what it computes. run() raises RefusedOption for a refused field
// and the financial core's errors for arithmetic errors.
struct Subcommand
{
    std::string_view name;
    std::string_view summary;
    std::span<const Option> options;
    std::string_view example; // the arguments after the name
    Report (*run)(const Given& given, const Context& context);
    // What an option without a check or words of its own accepts, in the words of the calculator's checks.
    std::string (*acceptedText)(std::string_view field) = nullptr;
};

// A calculator's reader run on the texts: its input; the first refused field is raised as RefusedOption. A field the
// reader takes without a check raises its conversion error, as in the window.
template <typename Input>
Input readOptions(calculators::InputReader<Input> reader, const calculators::FieldTexts& texts, const Context& context)
{
    auto read = reader(texts, context.settings);
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read))
        throw RefusedOption(*failure);
    return std::move(std::get<Input>(read));
}

// The reader run on the options given.
template <typename Input>
Input readOptions(calculators::InputReader<Input> reader, const Given& given, const Context& context)
{
    return readOptions(reader, given.fieldTexts(), context);
}

} // namespace cli
