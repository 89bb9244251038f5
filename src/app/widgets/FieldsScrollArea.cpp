#include "widgets/FieldsScrollArea.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>

namespace app {

FieldsScrollArea::FieldsScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* focused) {
        if (focused && widget() && widget()->isAncestorOf(focused))
            ensureWidgetVisible(focused);
    });
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
