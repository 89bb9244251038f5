#pragma once

#include "calculators/FieldCheck.h"
#include "shell/Regional.h"

#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

class QLineEdit;
class QWidget;

namespace app {

// The control that holds a field, by the field's name in the calculator's checks and failures. A field made of
// several controls (a cell of each) names the cell its control holds; a failure in that cell goes to it.
struct FieldControl
{
    std::string_view field;
    QWidget* control;
    std::optional<calculators::TableCell> cell = {};
};

// Shows a refused field's warning and takes the user to its control: a text field is focused with its whole text
// selected, a table's cell opens for typing with its text selected, any other control is focused.
void warnAbout(QWidget* owner, const calculators::FieldFailure& failure, std::initializer_list<FieldControl> controls);
void warnAbout(QWidget* owner, const calculators::FieldFailure& failure, std::span<const FieldControl> controls);

// The texts of the controls, each a text field, by field name.
calculators::FieldText textsOf(std::initializer_list<FieldControl> controls);

// A calculator's reader run on the controls: its input, or none when a field is refused (shown by warnAbout).
template <typename Input>
std::optional<Input> readInput(
    QWidget* owner, calculators::InputReader<Input> reader, std::initializer_list<FieldControl> controls)
{
    auto read = reader(textsOf(controls), regional());
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        warnAbout(owner, *failure, controls);
        return std::nullopt;
    }
    return std::get<Input>(read);
}

// The window's validation steps: a calculator's checks (calculators/Checks.h), run in their order on the text
// fields that hold them. Returns the values as the checks read them; the first failure is shown by warnAbout
// and returns none, and nothing else is touched.
std::optional<calculators::FieldValues> readFields(
    QWidget* owner, std::span<const calculators::FieldCheck> checks, std::initializer_list<FieldControl> controls);

// The same test without a message: true when the field's text converts and its value is accepted.
bool fieldAccepts(const QLineEdit* field, const calculators::FieldCheck& check);

} // namespace app
