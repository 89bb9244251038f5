#include "widgets/FocusScrollBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace app {

FocusScrollBar::FocusScrollBar(QWidget* parent)
    : QScrollBar(parent)
{
    // Qt's scroll bars invert the keys so that Down scrolls a page down; for a setting that runs left to right
    // that turned Right into "smaller".
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
}

void FocusScrollBar::paintEvent(QPaintEvent* event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The style draws no focus on scroll bars: a dotted frame inside the thumb, in the text colour, as a
    // focused button shows it.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(thumb.adjusted(2, 2, -3, -3));
}

} // namespace app
