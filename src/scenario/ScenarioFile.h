#pragma once

#include "scenario/Scenario.h"

#include <filesystem>
#include <variant>

namespace scenario {

// The scenario a file holds, read whole, as readScenario reads it; or why it is refused: it does not exist, it is a
// directory, it cannot be read, or it is larger than maxScenarioBytes (found before more than that is read).
std::variant<ReadScenario, ScenarioError> readScenarioFile(
    const std::filesystem::path& path, const regional::RegionalSettings& shownIn);

} // namespace scenario
