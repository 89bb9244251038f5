#include "shell/ValidationSteps.h"

#include "FinanceErrors.h"
#include "shell/Dialogs.h"
#include "shell/FieldEntry.h"

#include <QLineEdit>
#include <optional>

namespace app {
namespace {

// The field's value, or nothing when the text does not convert.
std::optional<finance::Extended> valueOf(const QLineEdit* field, Entry entry)
{
    try {
        if (entry == Entry::Whole)
            return static_cast<finance::Extended>(wholeValue(field));
        return decimalValue(field);
    } catch (const finance::EConvertError&) {
        return std::nullopt;
    }
}

// The message of the step's failure, or an empty text when the field passes.
QString failureOf(const ValidationStep& step)
{
    if (step.field->text().isEmpty())
        return step.message;
    const auto value = valueOf(step.field, step.entry);
    if (!value)
        return step.notANumberMessage.isEmpty() ? step.message : step.notANumberMessage;
    return step.accepts(*value) ? QString() : step.message;
}

} // namespace

bool passes(QWidget* owner, std::initializer_list<ValidationStep> steps)
{
    for (const ValidationStep& step : steps) {
        const QString failure = failureOf(step);
        if (failure.isEmpty())
            continue;
        dialogs().warning(owner, failure);
        step.field->setFocus();
        step.field->selectAll();
        return false;
    }
    return true;
}

bool fieldAccepts(const QLineEdit* field, Entry entry, const std::function<bool(finance::Extended)>& accepts)
{
    const auto value = valueOf(field, entry);
    return value && accepts(*value);
}

std::function<bool(finance::Extended)> between(finance::Extended low, finance::Extended high)
{
    return [low, high](finance::Extended value) { return low <= value && value <= high; };
}

std::function<bool(finance::Extended)> atLeast(finance::Extended low)
{
    return [low](finance::Extended value) { return low <= value; };
}

} // namespace app
