#include "cli/Given.h"

#include <utility>

namespace cli {

void Given::setScenario(std::string file, calculators::FieldTexts section)
{
    scenarioFile = std::move(file);
    scenario = std::move(section);
}

// An empty text in the file is the field left out, as an empty option is.
bool Given::fromFile(std::string_view name) const
{
    if (texts.contains(name) || leftOut.contains(name))
        return false;
    return !scenario.text(name).empty() || scenario.allTables().contains(name);
}

bool Given::has(std::string_view name) const
{
    return texts.contains(name) || fromFile(name);
}

std::string Given::text(std::string_view name) const
{
    const auto found = texts.find(name);
    if (found != texts.end())
        return found->second.front();
    return fromFile(name) ? scenario.text(name) : std::string();
}

calculators::FieldTexts Given::fieldTexts() const
{
    calculators::FieldTexts fields;
    for (const auto& [name, given] : texts)
        fields.set(name, given.front());
    for (const auto& [name, text] : scenario.allTexts()) {
        if (fromFile(name))
            fields.set(name, text);
    }
    for (const auto& [name, rows] : scenario.allTables()) {
        if (fromFile(name))
            fields.setRows(name, rows);
    }
    return fields;
}

std::vector<std::string> Given::all(std::string_view name) const
{
    const auto found = texts.find(name);
    return found == texts.end() ? std::vector<std::string>() : found->second;
}

const std::string* Given::fileOf(std::string_view name) const
{
    return fromFile(name) ? &scenarioFile : nullptr;
}

} // namespace cli
