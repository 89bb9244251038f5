#include "shell/ValidationSteps.h"

#include "shell/Dialogs.h"
#include "shell/Regional.h"

#include <QLineEdit>
#include <QTableWidget>
#include <algorithm>

namespace app {

namespace {

QWidget* controlOf(std::span<const FieldControl> controls, std::string_view field,
    const std::optional<calculators::TableCell>& cell = std::nullopt)
{
    // The control of the very cell first, else the one of the whole field.
    auto found = std::find_if(controls.begin(), controls.end(),
        [&](const FieldControl& each) { return each.field == field && cell && each.cell == cell; });
    if (found == controls.end())
        found = std::find_if(controls.begin(), controls.end(),
            [field](const FieldControl& each) { return each.field == field && !each.cell; });
    Q_ASSERT(found != controls.end());
    return found->control;
}

std::span<const FieldControl> spanOf(std::initializer_list<FieldControl> controls)
{
    return { controls.begin(), controls.size() };
}

void openCell(QTableWidget& table, const calculators::TableCell& cell)
{
    if (!table.item(cell.row, cell.column))
        table.setItem(cell.row, cell.column, new QTableWidgetItem());
    table.setFocus();
    table.setCurrentCell(cell.row, cell.column);
    table.editItem(table.item(cell.row, cell.column));
}

} // namespace

void warnAbout(QWidget* owner, const calculators::FieldFailure& failure, std::initializer_list<FieldControl> controls)
{
    warnAbout(owner, failure, spanOf(controls));
}

void warnAbout(QWidget* owner, const calculators::FieldFailure& failure, std::span<const FieldControl> controls)
{
    QWidget* control = controlOf(controls, failure.field, failure.cell);
    dialogs().warning(owner, QString::fromStdString(failure.message));
    auto* table = qobject_cast<QTableWidget*>(control);
    if (table && failure.cell) {
        openCell(*table, *failure.cell);
        return;
    }
    control->setFocus();
    if (auto* field = qobject_cast<QLineEdit*>(control))
        field->selectAll();
}

calculators::FieldText textsOf(std::initializer_list<FieldControl> controls)
{
    // The list lives as long as the call that reads with these texts.
    return [controls](std::string_view field) {
        const auto* edit = qobject_cast<const QLineEdit*>(controlOf(spanOf(controls), field));
        Q_ASSERT(edit);
        return edit->text().toStdString();
    };
}

std::optional<calculators::FieldValues> readFields(
    QWidget* owner, std::span<const calculators::FieldCheck> checks, std::initializer_list<FieldControl> controls)
{
    auto read = calculators::readFields(checks, textsOf(controls), regional());
    if (auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        warnAbout(owner, *failure, controls);
        return std::nullopt;
    }
    return std::get<calculators::FieldValues>(read);
}

bool fieldAccepts(const QLineEdit* field, const calculators::FieldCheck& check)
{
    return calculators::accepts(check, field->text().toStdString(), regional());
}

} // namespace app
