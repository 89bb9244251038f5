#include "program/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace app {

MenuKeys::MenuKeys(QWidget* window, QList<QAction*> actions)
    : QObject(window)
    , window(window)
    , actions(std::move(actions))
{
    // Key events go to the widget with focus, so the filter watches the whole application and keeps to the
    // keys that arrive in its own window.
    qApp->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()
        || static_cast<QWidget*>(watched)->window() != window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : actions) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Left unaccepted, the override goes to no field, and the key goes on to the window's shortcut.
            event->ignore();
            return true;
        }
    }
    return false;
}

} // namespace app
