#include "widgets/BuiltOnFirstShow.h"

#include <QList>
#include <QWidget>

namespace app {

void placeInFocusChain(QWidget& page)
{
    // Controls built late join the end of the window's chain, after everything the window already held.
    QList<QWidget*> controls;
    QWidget* window = page.window();
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w != &page && page.isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus)
            controls.append(w);
    // They belong after the last control in front of the page.
    QWidget* before = page.previousInFocusChain();
    while (before != &page && (before->focusPolicy() == Qt::NoFocus || page.isAncestorOf(before)))
        before = before->previousInFocusChain();
    if (before == &page)
        return;
    for (QWidget* control : controls) {
        QWidget::setTabOrder(before, control);
        before = control;
    }
}

void buildAll(QWidget& root)
{
    if (auto* buildable = dynamic_cast<Buildable*>(&root))
        buildable->ensureBuilt();
    // A page built here brings new children; none of them is built on first show itself.
    const auto children = root.findChildren<QWidget*>();
    for (QWidget* child : children)
        if (auto* buildable = dynamic_cast<Buildable*>(child))
            buildable->ensureBuilt();
}

} // namespace app
