#include "cli/CommandList.h"

#include <algorithm>

namespace cli {

std::span<const Subcommand* const> subcommands()
{
    static const Subcommand* const table[] = {
        &loanCommand(),
        &scheduleCommand(),
        &prepayCommand(),
        &matrixCommand(),
        &refinanceCommand(),
        &savingsCommand(),
        &requiredReturnCommand(),
        &collegeCommand(),
        &retirementCommand(),
        &extraPaymentsCommand(),
        &loanOffersCommand(),
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
