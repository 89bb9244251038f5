#pragma once

#include "calculators/fields/FieldReader.h"
#include "fields/Regional.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

class QWidget;

namespace app {

// The control that holds a field, by the field's name in the calculator's reader and failures. A field made of
// several controls (a cell of each) names the cell its control holds; a failure in that cell goes to it. A window
// maps its fields to its controls with one such table.
struct FieldControl
{
    std::string_view field;
    QWidget* control;
    std::optional<calculators::TableCell> cell = {};
};

// Shows a refused field's warning and takes the user to its control: a text field is focused with its whole text
// selected, a table's cell opens for typing with its text selected, any other control is focused.
void warnAbout(QWidget* owner, const calculators::FieldFailure& failure, std::span<const FieldControl> controls);

// The texts of the controls that hold a typed text (line edits and spin boxes), by field name, as typed.
calculators::FieldTexts textsOf(std::span<const FieldControl> controls);

// A calculator's reader run on the texts: its input, or none when a field is refused (shown by warnAbout). A field
// the reader takes without a check raises its conversion error into the handler's guard.
template <typename Input>
std::optional<Input> readInput(QWidget* owner, calculators::InputReader<Input> reader,
    const calculators::FieldTexts& texts, std::span<const FieldControl> controls)
{
    auto read = reader(texts, regional());
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        warnAbout(owner, *failure, controls);
        return std::nullopt;
    }
    return std::move(std::get<Input>(read));
}

// The reader run on the texts of the controls.
template <typename Input>
std::optional<Input> readInput(
    QWidget* owner, calculators::InputReader<Input> reader, std::initializer_list<FieldControl> controls)
{
    const std::span<const FieldControl> table(controls.begin(), controls.size());
    return readInput(owner, reader, textsOf(table), table);
}

} // namespace app
