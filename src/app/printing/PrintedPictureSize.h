#pragma once

#include <QSize>

namespace app {

// Dots per inch across and down.
struct Resolution
{
    int x = 0;
    int y = 0;
};

// The printed size, in printer dots, of a picture of so many screen pixels that keeps its physical size:
// pixels × printer dots per inch / the screen's logical pixels per inch, to the nearest dot.
QSize printedPictureSize(QSize pixels, Resolution printer, Resolution screen);

} // namespace app
