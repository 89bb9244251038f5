#include "fields/FieldControls.h"

#include "dialogs/Dialogs.h"

#include <QLineEdit>
#include <QSpinBox>
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

void openCell(QTableWidget& table, const calculators::TableCell& cell)
{
    if (!table.item(cell.row, cell.column))
        table.setItem(cell.row, cell.column, new QTableWidgetItem());
    table.setFocus();
    table.setCurrentCell(cell.row, cell.column);
    table.editItem(table.item(cell.row, cell.column));
}

} // namespace

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

calculators::FieldTexts textsOf(std::span<const FieldControl> controls)
{
    calculators::FieldTexts texts;
    for (const FieldControl& each : controls) {
        // A cell's text is a table's: the window puts it in a row of its own.
        if (each.cell)
            continue;
        if (const auto* edit = qobject_cast<const QLineEdit*>(each.control))
            texts.set(each.field, edit->text().toStdString());
        else if (const auto* spin = qobject_cast<const QSpinBox*>(each.control))
            texts.set(each.field, spin->cleanText().toStdString());
    }
    return texts;
}

} // namespace app
