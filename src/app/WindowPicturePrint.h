#pragma once

#include <QSize>

class QPrinter;
class QWidget;

namespace shell {

// Dots per inch across and down.
struct Resolution
{
    int x = 0;
    int y = 0;
};

// The printed size, in printer dots, of a picture of so many screen pixels that keeps its physical size:
// pixels × printer dots per inch / the screen's logical pixels per inch, to the nearest dot.
QSize printedPictureSize(QSize pixels, Resolution printer, Resolution screen);

// Prints an image of the widget exactly as it is displayed, at the top-left corner of one page.
void printWidgetPicture(QPrinter& printer, QWidget* widget);

// Asks for a printer in the print dialog, then prints a picture of the client area on one page.
// A cancelled dialog prints nothing.
void printWindowPicture(QWidget* owner, QWidget* clientArea);

} // namespace shell
