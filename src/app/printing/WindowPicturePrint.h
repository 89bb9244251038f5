#pragma once

class QPrinter;
class QString;
class QWidget;

namespace app {

// Prints an image of the widget exactly as it is displayed, at the top-left corner of one page.
void printWidgetPicture(QPrinter& printer, QWidget* widget);

// Asks for a printer in the print dialog, then prints a picture of the client area on one page, as a job of
// that name. A cancelled dialog prints nothing.
void printWindowPicture(QWidget* owner, QWidget* clientArea, const QString& jobName);

} // namespace app
