#pragma once

#include <QScrollBar>

namespace app {

// A scroll bar for choosing a setting with the keyboard: Right and Up go to the next position and Left and Down
// to the previous one, as its arrow buttons do, and a dotted frame on the thumb shows that it has the focus.
class FocusScrollBar final : public QScrollBar
{
    Q_OBJECT

public:
    explicit FocusScrollBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace app
