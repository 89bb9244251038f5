// Writing a scenario file: the sections and their fields in the order of the sections' table, so that a file reads
// as the windows show their fields.
#include "scenario/JsonWriter.h"
#include "scenario/NeutralNumber.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioFields.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

namespace {

void writeText(JsonWriter& json, std::string_view text, const regional::RegionalSettings& typedIn)
{
    if (const auto token = neutralNumber(text, typedIn))
        json.number(*token);
    else
        json.string(text);
}

// The names of the map in the order given first, then the others in the map's order.
template <typename Map>
std::vector<std::string_view> inOrder(const Map& map, std::span<const std::string_view> order)
{
    std::vector<std::string_view> names;
    for (const std::string_view name : order) {
        if (map.contains(name))
            names.push_back(name);
    }
    for (const auto& [name, value] : map) {
        if (std::ranges::find(order, name) == order.end())
            names.push_back(name);
    }
    return names;
}

void writeSection(JsonWriter& json, const calculators::FieldTexts& texts, const ScenarioSection* known,
    const regional::RegionalSettings& typedIn)
{
    const std::span<const ScenarioTable> knownTables = known ? known->tables : std::span<const ScenarioTable> {};
    std::vector<std::string_view> tableOrder;
    for (const ScenarioTable& table : knownTables)
        tableOrder.push_back(table.name);
    const std::span<const std::string_view> noOrder;
    json.beginObject();
    for (const std::string_view field : inOrder(texts.allTexts(), known ? known->fields : noOrder)) {
        json.key(field);
        writeText(json, texts.text(field), typedIn);
    }
    for (const std::string_view table : inOrder(texts.allTables(), tableOrder)) {
        const auto knownTable = std::ranges::find(knownTables, table, &ScenarioTable::name);
        json.key(table);
        json.beginArray();
        for (const calculators::FieldTexts::Row& row : texts.rows(table)) {
            json.beginObject();
            for (const std::string_view key :
                inOrder(row, knownTable == knownTables.end() ? noOrder : knownTable->keys)) {
                json.key(key);
                writeText(json, calculators::cellText(row, key), typedIn);
            }
            json.endObject();
        }
        json.endArray();
    }
    json.endObject();
}

} // namespace

std::string writeScenario(
    const Scenario& scenario, const regional::RegionalSettings& typedIn, std::string_view programVersion)
{
    JsonWriter json;
    json.beginObject();
    json.key("format");
    json.string("corvanta-scenario");
    json.key("formatVersion");
    json.string(std::to_string(formatMajorVersion) + '.' + std::to_string(formatMinorVersion));
    json.key("writtenBy");
    json.string("Corvanta " + std::string(programVersion));
    json.key("window");
    json.beginObject();
    for (const auto& [name, text] : scenario.window) {
        json.key(name);
        json.string(text);
    }
    json.endObject();
    json.key("sections");
    json.beginObject();
    std::vector<std::string_view> sectionNames;
    for (const ScenarioSection& section : scenarioSections())
        sectionNames.push_back(section.name);
    for (const std::string_view name : inOrder(scenario.sections, sectionNames)) {
        json.key(name);
        writeSection(json, scenario.sections.find(name)->second, scenarioSection(name), typedIn);
    }
    json.endObject();
    json.endObject();
    return json.text();
}

} // namespace scenario
