#pragma once

#include <QString>
#include <functional>
#include <utility>

class QWidget;

namespace app {

// The error box text: the message, with a full stop when its last character sorts after ".".
QString errorBoxText(const QString& message);

// Runs a handler; an error it raises ends it there and is shown in the application error box.
// Errors never cross Qt's event loop.
void runGuarded(QWidget* owner, const std::function<void()>& handler);

// A slot for connect() that runs the handler guarded.
template <typename Handler>
auto guarded(QWidget* owner, Handler handler)
{
    return [owner, handler = std::move(handler)]() { runGuarded(owner, handler); };
}

} // namespace app
