// Scenario files on arbitrary bytes, under regional settings the input chooses: the reader never fails otherwise
// than with its refusal; what it accepts is written and read back the same; and a file written under one settings,
// opened and written again under the other, comes out byte for byte the same.
#include "FuzzInput.h"
#include "scenario/NeutralNumber.h"
#include "scenario/Scenario.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace {

constexpr std::string_view version = "2.0";

scenario::ReadScenario accepted(
    std::variant<scenario::ReadScenario, scenario::ScenarioError> read, std::string_view file)
{
    if (const auto* error = std::get_if<scenario::ScenarioError>(&read))
        fuzz::fail(("a written scenario reads back: " + error->message).c_str(), file);
    return std::move(std::get<scenario::ReadScenario>(read));
}

// Whether a text the file keeps as a string, since it is no plain number where it was typed, reads as one where it
// is opened (German "1.000" opened under English settings): it becomes a number there, by design.
bool becomesANumber(
    const std::string& text, const regional::RegionalSettings& typedIn, const regional::RegionalSettings& openedIn)
{
    return !scenario::neutralNumber(text, typedIn) && scenario::neutralNumber(text, openedIn);
}

bool anyBecomesANumber(const scenario::Scenario& read, const regional::RegionalSettings& typedIn,
    const regional::RegionalSettings& openedIn)
{
    for (const auto& [name, section] : read.sections) {
        for (const auto& [field, text] : section.allTexts()) {
            if (becomesANumber(text, typedIn, openedIn))
                return true;
        }
        for (const auto& [table, rows] : section.allTables()) {
            for (const auto& row : rows) {
                for (const auto& [key, text] : row) {
                    if (becomesANumber(text, typedIn, openedIn))
                        return true;
                }
            }
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings first = fuzz::settingsFrom(input);
    const regional::RegionalSettings second = fuzz::settingsFrom(input);
    const std::string bytes = input.rest();

    const auto read = scenario::readScenario(bytes, first);
    if (const auto* error = std::get_if<scenario::ScenarioError>(&read)) {
        fuzz::require(!error->message.empty(), "a refusal says why", bytes);
        return 0;
    }
    const scenario::Scenario& scenario = std::get<scenario::ReadScenario>(read).scenario;
    const std::string written = scenario::writeScenario(scenario, first, version);
    // Written with indents, a file near the limit may grow past it.
    if (written.size() > scenario::maxScenarioBytes)
        return 0;
    const scenario::ReadScenario again = accepted(scenario::readScenario(written, first), written);
    fuzz::require(again.scenario == scenario, "written and read again, the same scenario", written);
    fuzz::require(again.notices.empty(), "a written scenario leaves nothing out", written);
    fuzz::require(
        scenario::writeScenario(again.scenario, first, version) == written, "written again, the same bytes", written);

    const scenario::ReadScenario opened = accepted(scenario::readScenario(written, second), written);
    if (anyBecomesANumber(scenario, first, second))
        return 0;
    fuzz::require(scenario::writeScenario(opened.scenario, second, version) == written,
        "opened under other settings and written there, the same bytes", written);
    return 0;
}
