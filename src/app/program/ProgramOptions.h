#pragma once

#include <QStringList>
#include <optional>

namespace app {

// The window program's own options are --help and --version. They answer on the terminal before QApplication
// exists, so they need no display. Returns the exit code when the command line was answered, nothing when the
// window should start.
std::optional<int> answerOnTerminal(int& argc, char* argv[]);

// QApplication takes Qt's options for the window (-platform, -style, -reverse, ...) out of the command line;
// whatever it leaves must be the program's own. Anything else is refused with a short usage line on standard
// error. Returns the exit code when the command line was refused.
std::optional<int> refuseUnknownArguments(const QStringList& arguments);

// The scenario file the command line names, the one argument that is no option; empty when there is none.
QString scenarioArgument(const QStringList& arguments);

} // namespace app
