#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace scenario {

// A table field of a section and the keys its rows' cells may have: the offers, the one-time extras.
struct ScenarioTable
{
    std::string_view name;
    std::span<const std::string_view> keys;
    // The keys that format version 1.0 has, the first ones; those after came with 1.1 (an offer's adjustable rate).
    std::size_t keysOfVersion10 = std::dynamic_extent;
};

// What a section of a scenario file may hold: a calculator's fields by the names of its subcommand's options, in
// their order, and its table fields. A file of this format version holds no other names.
struct ScenarioSection
{
    std::string_view name;
    std::span<const std::string_view> fields;
    std::span<const ScenarioTable> tables = {};
};

// Every section, in the order the command line lists its subcommands. The schedule has none of its own: it is
// the loan's.
std::span<const ScenarioSection> scenarioSections();

// The section of that name; none for a name no section has.
const ScenarioSection* scenarioSection(std::string_view name);

} // namespace scenario
