#include "cli/ScenarioOption.h"

#include "scenario/ScenarioFile.h"

#include <utility>
#include <variant>

namespace cli {

std::string_view scenarioSectionOf(const Subcommand& subcommand)
{
    return subcommand.name == "schedule" ? "loan" : subcommand.name;
}

std::vector<std::string> addScenario(
    const std::string& file, const Subcommand& subcommand, const regional::RegionalSettings& settings, Given& given)
{
    auto read = scenario::readScenarioFile(file, settings);
    if (const auto* error = std::get_if<scenario::ScenarioError>(&read))
        throw RefusedOption("scenario", file + ": " + error->message);
    auto& [scenario, notices] = std::get<scenario::ReadScenario>(read);
    const std::string_view section = scenarioSectionOf(subcommand);
    auto found = scenario.sections.find(section);
    if (found == scenario.sections.end())
        throw RefusedOption("scenario", file + ": The scenario has no " + std::string(section) + " section.");
    given.setScenario(file, std::move(found->second));
    return std::move(notices);
}

} // namespace cli
