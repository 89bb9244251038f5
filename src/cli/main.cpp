// corvanta-calc's entry point: the regional settings of the environment's locale and today's date, then the
// command line.
#include "CommandLine.h"

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::chrono::year_month_day today { std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()) };
    const cli::Context context { finance::systemRegionalSettings(),
        { static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day())) } };
    const int status = cli::runCommandLine(arguments, std::cout, std::cerr, context);
    std::cout.flush();
    // A full disk or a closed pipe loses the output: that is no success.
    return status == cli::exitSuccess && !std::cout ? cli::exitArithmeticError : status;
}
