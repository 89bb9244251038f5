#include "fields/EnterKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVariant>
#include <utility>

namespace app {
namespace {

bool isEnter(const QKeyEvent* key)
{
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

bool takesNewLines(const QWidget* widget)
{
    // Key presses reach a text area itself; its viewport is checked too.
    for (const QWidget* w : { widget, static_cast<const QWidget*>(widget->parentWidget()) }) {
        if (!w)
            break;
        if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
            return !plain->isReadOnly();
        if (const auto* rich = qobject_cast<const QTextEdit*>(w))
            return !rich->isReadOnly();
    }
    return false;
}

QAbstractButton* defaultButtonOf(const QWidget* scope)
{
    if (!scope)
        return nullptr;
    const QString name = scope->property("defaultButton").toString();
    return name.isEmpty() ? nullptr : scope->findChild<QAbstractButton*>(name);
}

// The innermost section around the receiver that names a default button: a plan section of a page runs its
// own button, the rest of the page the page's.
QAbstractButton* sectionDefaultButton(const QWidget* receiver, const QWidget* window)
{
    for (const QWidget* w = receiver; w && w != window; w = w->parentWidget())
        if (QAbstractButton* button = defaultButtonOf(w))
            return button;
    return nullptr;
}

} // namespace

EnterKey::EnterKey(QWidget* window, std::function<QWidget*()> defaultScope)
    : QObject(window)
    , window(window)
    , defaultScope(std::move(defaultScope))
{
    // Key presses go to the widget with focus, so the filter watches the whole application and keeps to
    // the presses that arrive in its own window.
    qApp->installEventFilter(this);
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != window || !isEnter(static_cast<QKeyEvent*>(event)) || takesNewLines(receiver))
        return false;

    QAbstractButton* button = nullptr;
    if (qobject_cast<QPushButton*>(receiver) || qobject_cast<QToolButton*>(receiver))
        button = static_cast<QAbstractButton*>(receiver);
    else if (!(button = sectionDefaultButton(receiver, window)))
        button = defaultButtonOf(defaultScope());
    if (button)
        button->click();
    event->accept();
    return true;
}

} // namespace app
