#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace app {

// Where a window's frame goes on a screen's available area: centred and wholly inside it. A frame too large
// for the area is first made as small as the window allows; one still too large starts at the area's top-left
// corner, so that its title bar, menu and buttons are on the screen.
QRect placedFrame(QSize frame, QSize smallestFrame, const QRect& available);

// The frame a window manager is expected to put around a window before it has framed it: room for a title
// bar, so that a window placed before it shows is not pushed off the screen's bottom by its own frame.
inline constexpr QMargins estimatedFrame { 4, 32, 4, 4 };

// Places a top-level window on the screen it belongs to (its parent's, else the active window's) by the rule
// above, before or while it is shown. Once the window manager has framed it, the window is placed once more if
// its real frame leaves the screen.
void placeOnScreen(QWidget* window);

} // namespace app
