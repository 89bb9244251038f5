#pragma once

#include "cli/Subcommand.h"

#include <ostream>
#include <span>
#include <string>

namespace cli {

// Exit statuses: success, an arithmetic error (the application error box's text), and a refused field or
// a command line that cannot be read (a usage line).
constexpr int exitSuccess = 0;
constexpr int exitArithmeticError = 1;
constexpr int exitRefused = 2;

// The whole of corvanta-calc: reads the arguments (without the program's name), runs the subcommand with the
// context's regional settings (or those of --locale) and writes its output to out and every message to err.
// Returns the exit status.
int runCommandLine(
    std::span<const std::string> arguments, std::ostream& out, std::ostream& err, const Context& context);

} // namespace cli
