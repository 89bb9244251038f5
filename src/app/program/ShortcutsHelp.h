#pragma once

#include <QList>
#include <QString>

class QMenuBar;
class QWidget;

namespace app {

// The program's keyboard shortcuts as its actions carry them, for the Help menu: the keys that work in every
// window with what each Tools window answers (the action's "what's this"), the main window's own keys and its
// menus' Alt keys, then the keys of each Tools window's own actions. Nothing here repeats a key, so the list
// follows the actions' shortcuts wherever they change.
QString keyboardShortcutsText(const QMenuBar& menus, const QList<const QWidget*>& toolWindows);

} // namespace app
