#pragma once

#include "calculators/fields/FieldTexts.h"
#include "regional/RegionalSettings.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace scenario {

// What a scenario file holds: each calculator's field texts as typed, by section (the command line's subcommand:
// "loan", "compare"; see ScenarioFields.h), and a few texts of the program's own state ("page": "loan").
struct Scenario
{
    std::map<std::string, calculators::FieldTexts, std::less<>> sections;
    std::map<std::string, std::string, std::less<>> window;

    bool operator==(const Scenario&) const = default;
};

// A scenario read, and what to tell the user once about it: the fields of a newer format version left out.
struct ReadScenario
{
    Scenario scenario;
    std::vector<std::string> notices;
};

// Why a file is refused, in one sentence; the caller names the file.
struct ScenarioError
{
    std::string message;
};

// The version this program writes: a newer minor version only adds names, which an older program leaves out; a
// newer major version changes what names mean, and an older program refuses it.
inline constexpr int formatMajorVersion = 1;
inline constexpr int formatMinorVersion = 1; // 1.1: adjustable-rate offers

// No scenario comes near it; a larger file is refused before it is read whole.
inline constexpr std::size_t maxScenarioBytes = std::size_t { 1 } << 20;

// The scenario as a file: JSON in UTF-8, indented by two blanks. A text that is a plain number in the settings it
// was typed in is a JSON number, every other text a string exactly as typed (NeutralNumber.h). The sections and
// their fields in the order of ScenarioFields.h, then any others by name.
std::string writeScenario(
    const Scenario& scenario, const regional::RegionalSettings& typedIn, std::string_view programVersion);

// The scenario a file holds, its numbers typed as the settings show them; or why it is refused: larger than
// maxScenarioBytes, no JSON, no scenario, a newer major version, a field of another kind than a text or a number,
// or a name its version does not have. Names of a newer minor version are left out and told in the notices.
std::variant<ReadScenario, ScenarioError> readScenario(
    std::string_view bytes, const regional::RegionalSettings& shownIn);

} // namespace scenario
