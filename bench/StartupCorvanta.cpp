// Corvanta's start-up, exactly as main() runs it, ending once the main window has first been painted.
#include "FirstPaint.h"
#include "Program.h"

#include <QWidget>

int main(int argc, char* argv[])
{
    return shell::runProgram(argc, argv, [](QWidget& mainWindow) { quitAfterFirstPaint(mainWindow); });
}
