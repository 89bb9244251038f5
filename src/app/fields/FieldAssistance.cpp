#include "fields/FieldAssistance.h"

#include "dialogs/Dialogs.h"
#include "dialogs/GuardedHandler.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

namespace app {

ClickAction selectAll(std::function<void()> before)
{
    return { ClickAction::Selection::All, 0, std::move(before) };
}

ClickAction selectFirst(int count, std::function<void()> before)
{
    return { ClickAction::Selection::FirstCharacters, count, std::move(before) };
}

FieldAssistance::FieldAssistance(QWidget* window, std::initializer_list<FieldAssist> table)
    : FieldAssistance(window, std::vector<FieldAssist>(table))
{ }

FieldAssistance::FieldAssistance(QWidget* window, std::vector<FieldAssist> table)
    : QObject(window)
    , window(window)
    , rows(std::move(table))
{
    for (const FieldAssist& row : rows)
        row.field->installEventFilter(this);
}

const FieldAssist* FieldAssistance::rowOf(const QObject* field) const
{
    for (const FieldAssist& row : rows) {
        if (row.field == field)
            return &row;
    }
    return nullptr;
}

bool FieldAssistance::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const FieldAssist* row = rowOf(watched);
    if (!row || mouse->button() != Qt::LeftButton)
        return false;

    QWidget* field = row->field;
    if (type == QEvent::MouseButtonPress) {
        pressed = field;
    } else if (type == QEvent::MouseButtonRelease) {
        const bool isClickOnField = pressed == field && field->rect().contains(mouse->position().toPoint());
        pressed = nullptr;
        if (isClickOnField) {
            // Queued: the field first handles the release itself, which may clear a selection.
            QMetaObject::invokeMethod(
                field, [this, row] { runGuarded(window, [this, row] { click(*row); }); }, Qt::QueuedConnection);
        }
    } else {
        pressed = nullptr;
        if (!row->help.isEmpty()) {
            QMetaObject::invokeMethod(
                field, [this, row] { runGuarded(window, [this, row] { dialogs().information(window, row->help); }); },
                Qt::QueuedConnection);
        }
    }
    return false;
}

void FieldAssistance::click(const FieldAssist& row)
{
    if (row.click.before)
        row.click.before();
    auto* edit = qobject_cast<QLineEdit*>(row.field);
    if (!edit)
        return;
    switch (row.click.selection) {
    case ClickAction::Selection::None:
        break;
    case ClickAction::Selection::All:
        edit->selectAll();
        break;
    case ClickAction::Selection::FirstCharacters:
        // A text shorter than the count is selected whole.
        edit->setSelection(0, std::min<int>(row.click.count, static_cast<int>(edit->text().size())));
        break;
    }
}

} // namespace app
