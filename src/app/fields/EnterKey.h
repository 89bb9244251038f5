#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace app {

// Enter in a window presses the push button that has focus, and otherwise the default button: the one that
// the widget given by defaultScope names in its "defaultButton" property (a window or its active page; no
// property, no default button). A section inside it (a group or panel around the focused widget) may name a
// default button of its own in the same property. An editable multi-line text keeps Enter for its new lines.
class EnterKey final : public QObject
{
public:
    EnterKey(QWidget* window, std::function<QWidget*()> defaultScope);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window;
    std::function<QWidget*()> defaultScope;
};

} // namespace app
