// corvanta-calc's entry point: the regional settings of the environment's locale and today's date, then the
// command line.
#include "cli/CommandLine.h"

#include <ctime>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Today where the user is, as the window's clock gives it, not in UTC.
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    const cli::Context context { regional::systemRegionalSettings(),
        { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday } };
    const int status = cli::runCommandLine(arguments, std::cout, std::cerr, context);
    std::cout.flush();
    // A full disk or a closed pipe loses the output: that is no success.
    return status == cli::exitSuccess && !std::cout ? cli::exitArithmeticError : status;
}
