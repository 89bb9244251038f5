#pragma once

#include "FieldCheck.h"

#include <initializer_list>
#include <string_view>

class QLineEdit;
class QWidget;

namespace app {

// The control that holds a field the checks name.
struct FieldControl
{
    std::string_view field;
    QLineEdit* control;
};

// The window's validation steps: a calculator's checks (calculators/FieldChecks.h), run in their order on the
// controls that hold their fields. The first failure shows its warning, focuses its field, selects the field's
// whole text and makes this return false; nothing else is touched.
bool passes(QWidget* owner, calculators::FieldChecks checks, std::initializer_list<FieldControl> controls);

// The same test without a message: true when the field's text converts and its value is accepted.
bool fieldAccepts(const QLineEdit* field, const calculators::FieldCheck& check);

} // namespace app
