#pragma once

#include "Subcommand.h"

#include <span>
#include <string_view>

namespace cli {

// Every subcommand, in the order the help lists them.
std::span<const Subcommand* const> subcommands();

// The subcommand of that name, or none.
const Subcommand* findSubcommand(std::string_view name);

} // namespace cli
