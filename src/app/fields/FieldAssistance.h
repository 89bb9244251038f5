#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;

namespace app {

// What a single click into a field does: first the window's own action, if any (the loan page
// withdraws the buttons that depend on its loan), then a selection that prepares the field for overtyping.
struct ClickAction
{
    enum class Selection {
        None,
        All,
        FirstCharacters,
    };
    Selection selection = Selection::None;
    int count = 0; // characters selected from the start, for FirstCharacters
    std::function<void()> before = {};
};

ClickAction selectAll(std::function<void()> before = {});
ClickAction selectFirst(int count, std::function<void()> before = {});

// One row of a window's assistance table. A click selects text in a line edit only: a check box has none.
struct FieldAssist
{
    QWidget* field;
    ClickAction click;
    QString help; // shown as information on a double-click; empty: a double-click shows nothing
};

// Applies a window's table with one event filter. A click acts once the field has handled the mouse
// release (so the selection is not undone by the caret the click placed); a double-click shows the help
// once the field has handled it, and its second release is no click.
class FieldAssistance final : public QObject
{
public:
    FieldAssistance(QWidget* window, std::initializer_list<FieldAssist> table);
    FieldAssistance(QWidget* window, std::vector<FieldAssist> table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FieldAssist* rowOf(const QObject* field) const;
    void click(const FieldAssist& row);

    QWidget* window;
    std::vector<FieldAssist> rows;
    QPointer<QWidget> pressed; // the field a left press went to and whose release is a click
};

} // namespace app
