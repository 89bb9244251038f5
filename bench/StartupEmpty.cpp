// The floor of start-up: an empty main window of Corvanta's size and window flags, and nothing else.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The main window's size: a 627 x 429 client area under a 22-pixel menu bar.
    window.setFixedSize(627, 451);
    quitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
