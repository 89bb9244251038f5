#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace app {

// The Tools menu's keys work from every window of the program, not only from the main window. A line edit claims
// some keys with modifiers for its own editing (Ctrl+E moves to the end of the line on Linux), and a key a field
// claims never reaches a shortcut; the field's own key for the same move (End) remains. A modal window (the
// schedule, the matrix, a chart) blocks every other window's shortcuts, so there the key triggers the action
// itself.
class MenuKeys final : public QObject
{
public:
    MenuKeys(QWidget* window, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    QList<QAction*> actions;
};

} // namespace app
