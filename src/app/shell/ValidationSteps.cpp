#include "shell/ValidationSteps.h"

#include "shell/Dialogs.h"
#include "shell/Regional.h"

#include <QLineEdit>
#include <algorithm>

namespace app {

bool passes(QWidget* owner, calculators::FieldChecks checks, std::initializer_list<FieldControl> controls)
{
    const auto controlOf = [&controls](std::string_view field) {
        const auto found = std::find_if(
            controls.begin(), controls.end(), [field](const FieldControl& each) { return each.field == field; });
        Q_ASSERT(found != controls.end());
        return found->control;
    };
    const auto failure = calculators::firstFailure(
        checks, [&controlOf](std::string_view field) { return controlOf(field)->text().toStdString(); }, regional());
    if (!failure)
        return true;
    QLineEdit* field = controlOf(failure->field);
    dialogs().warning(
        owner, QString::fromUtf8(failure->message.data(), static_cast<qsizetype>(failure->message.size())));
    field->setFocus();
    field->selectAll();
    return false;
}

bool fieldAccepts(const QLineEdit* field, const calculators::FieldCheck& check)
{
    return calculators::accepts(check, field->text().toStdString(), regional());
}

} // namespace app
