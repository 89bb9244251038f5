#pragma once

#include <functional>

class QWidget;

namespace app {

// The whole program, as main() runs it: --help and --version answered on the terminal, other arguments
// refused once Qt has taken its own, then the application title, regional settings read once, the main window,
// then the prepayment and schedule windows, and the event loop. Returns the exit code.
// beforeShow sees the main window just before it is first shown (the start-up benchmark watches it paint).
int runProgram(int& argc, char* argv[], const std::function<void(QWidget& mainWindow)>& beforeShow = {});

} // namespace app
