#include "Subcommands.h"

#include <algorithm>

namespace cli {

// Each subcommand lives in a file of its own (LoanCommand.cpp, ...); a new one is its file and a line here.
extern const Subcommand loanCommand;
extern const Subcommand scheduleCommand;
extern const Subcommand prepayCommand;
extern const Subcommand matrixCommand;
extern const Subcommand refinanceCommand;
extern const Subcommand savingsCommand;
extern const Subcommand requiredReturnCommand;
extern const Subcommand collegeCommand;
extern const Subcommand retirementCommand;
extern const Subcommand planCommand;

std::span<const Subcommand* const> subcommands()
{
    static const Subcommand* const table[] = {
        &loanCommand,
        &scheduleCommand,
        &prepayCommand,
        &matrixCommand,
        &refinanceCommand,
        &savingsCommand,
        &requiredReturnCommand,
        &collegeCommand,
        &retirementCommand,
        &planCommand,
    };
    return table;
}

const Subcommand* findSubcommand(std::string_view name)
{
    const auto table = subcommands();
    const auto found
        = std::find_if(table.begin(), table.end(), [name](const Subcommand* each) { return each->name == name; });
    return found == table.end() ? nullptr : *found;
}

} // namespace cli
