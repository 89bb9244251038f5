#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace app {

// A window's menu keys work from its text fields too. A line edit claims some keys with modifiers for its own
// editing (Ctrl+E moves to the end of the line on Linux), and a key a field claims never reaches the window's
// shortcuts; the field's own key for the same move (End) remains.
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
