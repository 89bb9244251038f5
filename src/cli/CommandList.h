#pragma once

#include "cli/Subcommand.h"

#include <span>
#include <string_view>

namespace cli {

// Each subcommand, defined in a file of its own (LoanCommand.cpp, ...). Functions rather than objects, so that a
// static library links each one the list below names.
const Subcommand& loanCommand();
const Subcommand& scheduleCommand();
const Subcommand& prepayCommand();
const Subcommand& matrixCommand();
const Subcommand& refinanceCommand();
const Subcommand& savingsCommand();
const Subcommand& requiredReturnCommand();
const Subcommand& collegeCommand();
const Subcommand& retirementCommand();
const Subcommand& extraPaymentsCommand();
const Subcommand& loanOffersCommand();

// Every subcommand, in the order the help lists them.
std::span<const Subcommand* const> subcommands();

// The subcommand of that name, or none.
const Subcommand* findSubcommand(std::string_view name);

} // namespace cli
