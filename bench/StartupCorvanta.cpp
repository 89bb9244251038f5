// Corvanta's start-up, exactly as main() runs it, ending once the main window has first been painted.
#include "FirstPaint.h"
#include "program/Program.h"

#include <QWidget>

int main(int argc, char* argv[])
{
    return app::runProgram(argc, argv, [](QWidget& mainWindow) { quitAfterFirstPaint(mainWindow); });
}
