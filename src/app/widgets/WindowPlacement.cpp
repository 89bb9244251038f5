#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace app {
namespace {

// One axis of the rule: the length, shrunk to the room down to the smallest it may be, and its start.
std::pair<int, int> placedSpan(int length, int smallest, int roomStart, int room)
{
    if (length > room)
        length = std::max(room, smallest);
    return { std::max(roomStart, roomStart + (room - length) / 2), length };
}

QScreen* screenOf(const QWidget* window)
{
    if (const QWidget* parent = window->parentWidget())
        return parent->window()->screen();
    if (const QWidget* active = QApplication::activeWindow(); active && active != window)
        return active->screen();
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// The frame around the window: the real one once the window manager has drawn it, else the estimate. The
// frame is not asked for before the window is on the screen: on X11 Qt would keep the empty frame it finds then.
QMargins frameOf(const QWidget* window, bool& known)
{
    known = false;
    if (!window->windowHandle() || !window->windowHandle()->isExposed())
        return estimatedFrame;
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    known = frame != client;
    if (!known)
        return estimatedFrame;
    return { client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom() };
}

// Places the window by the rule and tells whether its frame was known.
bool place(QWidget* window, QScreen* screen)
{
    bool known = false;
    const QMargins frame = frameOf(window, known);
    const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QRect placed = placedFrame(window->size() + margins, smallest + margins, screen->availableGeometry());
    // A top-level's geometry is its inside: the frame is put around it.
    window->setGeometry(placed.marginsRemoved(frame));
    return known;
}

// Waits for the window manager's frame, then places the window again if that frame leaves the screen. It gives
// up after a while, since a desktop without a window manager never frames a window.
class FrameWatch final : public QObject
{
public:
    FrameWatch(QWidget* window, QScreen* screen)
        : QObject(window)
        , window(window)
        , screen(screen)
    {
        window->installEventFilter(this);
        startTimer(3000);
    }

private:
    void timerEvent(QTimerEvent*) override { deleteLater(); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Qt is not told when the frame comes; these are the first events after it.
        static const QEvent::Type shownOrMoved[]
            = { QEvent::Move, QEvent::Resize, QEvent::Paint, QEvent::WindowActivate };
        if (watched == window && std::ranges::find(shownOrMoved, event->type()) != std::end(shownOrMoved)) {
            bool known = false;
            frameOf(window, known);
            if (known) {
                window->removeEventFilter(this);
                if (!screen.isNull() && !screen->availableGeometry().contains(window->frameGeometry()))
                    place(window, screen);
                deleteLater();
            }
        }
        return false;
    }

    QWidget* window;
    QPointer<QScreen> screen;
};

} // namespace

QRect placedFrame(QSize frame, QSize smallestFrame, const QRect& available)
{
    const auto [x, width] = placedSpan(frame.width(), smallestFrame.width(), available.x(), available.width());
    const auto [y, height] = placedSpan(frame.height(), smallestFrame.height(), available.y(), available.height());
    return { x, y, width, height };
}

void placeOnScreen(QWidget* window)
{
    QScreen* screen = screenOf(window);
    if (!screen)
        return;
    // Before its first show a window's layout has not yet given it the size it opens with.
    window->ensurePolished();
    if (QLayout* layout = window->layout())
        layout->activate();
    if (!place(window, screen))
        new FrameWatch(window, screen);
}

} // namespace app
