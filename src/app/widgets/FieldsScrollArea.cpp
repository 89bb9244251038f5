#include "widgets/FieldsScrollArea.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace app {

FieldsScrollArea::FieldsScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* focused) {
        if (focused && widget() && widget()->isAncestorOf(focused))
            showWhole(*focused);
    });
}

void FieldsScrollArea::showWhole(const QWidget& field)
{
    // Not ensureWidgetVisible, which keeps only a line edit's cursor in view and may leave the edit cut at an edge.
    const QRect shown(field.mapTo(widget(), QPoint(0, 0)), field.size());
    if (QRect(-widget()->pos(), viewport()->size()).contains(shown))
        return;
    // Some of the fields around it too, where there is room.
    const int around = std::clamp((viewport()->height() - shown.height()) / 2, 0, 50);
    ensureVisible(shown.center().x(), shown.center().y(), (shown.width() + 1) / 2, (shown.height() + 1) / 2 + around);
}

int FieldsScrollArea::neededWidth() const
{
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    return widget()->minimumSizeHint().width() + bar + 2 * frameWidth();
}

QSize FieldsScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    return { neededWidth(), widget()->sizeHint().height() + 2 * frameWidth() };
}

QSize FieldsScrollArea::minimumSizeHint() const
{
    const QSize least = QScrollArea::minimumSizeHint();
    if (!widget())
        return least;
    return { std::max(least.width(), neededWidth()), least.height() };
}

} // namespace app
