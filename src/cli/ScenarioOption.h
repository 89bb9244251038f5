#pragma once

#include "cli/Subcommand.h"

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The section of a scenario file that gives the subcommand's fields: its own name, the loan's for the schedule,
// which shows the loan page's loan.
std::string_view scenarioSectionOf(const Subcommand& subcommand);

// --scenario FILE: the file's section for the subcommand under the options given,
// its numbers read with the settings. A file that cannot be read, is no scenario or has no such section is
// refused as the option --scenario, naming the file. Returns what the file asks to tell the user.
std::vector<std::string> addScenario(
    const std::string& file, const Subcommand& subcommand, const regional::RegionalSettings& settings, Given& given);

} // namespace cli
