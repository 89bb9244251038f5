#include "program/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace app {

namespace {

// The program's own windows are its classes; message boxes and the file and print dialogs keep their keys.
bool isProgramWindow(const QWidget& widget)
{
    return QLatin1StringView(widget.window()->metaObject()->className()).startsWith(QLatin1StringView("app::"));
}

} // namespace

MenuKeys::MenuKeys(QWidget* window, QList<QAction*> actions)
    : QObject(window)
    , window(window)
    , actions(std::move(actions))
{
    // Key events go to the widget with focus, so the filter watches the whole application.
    qApp->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    const bool override = event->type() == QEvent::ShortcutOverride;
    if ((!override && event->type() != QEvent::KeyPress) || !watched->isWidgetType() || !window->isVisible()
        || !isProgramWindow(*static_cast<QWidget*>(watched)))
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* action : actions) {
        if (!action->isEnabled() || !action->shortcuts().contains(pressed))
            continue;
        if (override) {
            // Left unaccepted, the override goes to no field, and the key goes on to the action's shortcut.
            event->ignore();
            return true;
        }
        // A key press that comes this far found no shortcut: a modal window blocked it.
        if (QApplication::activeModalWidget()) {
            action->trigger();
            return true;
        }
        return false;
    }
    return false;
}

} // namespace app
