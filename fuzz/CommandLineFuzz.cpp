// corvanta-calc's option parser and subcommands on arbitrary arguments: a subcommand chosen by a byte, then one
// argument a line, under regional settings chosen by two bytes. The command must end with one of its three
// statuses, write output only on success and say why on every failure.
#include "FuzzInput.h"
#include "cli/CommandLine.h"
#include "cli/CommandList.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings settings = fuzz::settingsFrom(input);
    const auto subcommands = cli::subcommands();
    std::vector<std::string> arguments;
    // A byte past the table's end leaves the first argument to the lines: an unknown or global one.
    if (const std::uint8_t pick = input.byte(); pick < subcommands.size())
        arguments.emplace_back(subcommands[pick]->name);
    std::istringstream lines(input.rest());
    for (std::string line; std::getline(lines, line);)
        arguments.push_back(line);

    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(arguments, out, err, { settings, { 2026, 12, 8 } });
    fuzz::require(status == cli::exitSuccess || status == cli::exitArithmeticError || status == cli::exitRefused,
        "a known exit status", err.str());
    if (status != cli::exitSuccess) {
        fuzz::require(out.str().empty(), "no output on failure", out.str());
        fuzz::require(!err.str().empty(), "a reason on failure");
    }
    return 0;
}
