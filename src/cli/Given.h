#pragma once

#include "calculators/fields/FieldTexts.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// The option texts given, by option name; an option not given, or given an empty text, is an empty field. With
// --scenario, the file's section gives each field and table that no option gives: an option given replaces its
// field, rows given replace the file's rows, and an option given as '' empties its field.
class Given final
{
public:
    void set(std::string_view name, std::string text) { texts[std::string(name)] = { std::move(text) }; }
    void add(std::string_view name, std::string text) { texts[std::string(name)].push_back(std::move(text)); }
    // An option given as ''.
    void leaveOut(std::string_view name) { leftOut.emplace(name); }
    // The section of a scenario file, under the options.
    void setScenario(std::string file, calculators::FieldTexts section);

    bool has(std::string_view name) const;
    // The text of an option given once, or of the file's field.
    std::string text(std::string_view name) const;
    // The first text of each option, by option name, which is the name of the field each gives; then the file's
    // fields and tables that no option gives.
    calculators::FieldTexts fieldTexts() const;
    // Every text of an option that repeats, in the order given.
    std::vector<std::string> all(std::string_view name) const;
    // The scenario file whose text of the field the command reads; none when an option gives it, or nothing does.
    const std::string* fileOf(std::string_view name) const;

private:
    std::map<std::string, std::vector<std::string>, std::less<>> texts;
    std::set<std::string, std::less<>> leftOut;
    std::string scenarioFile;
    calculators::FieldTexts scenario;

    bool fromFile(std::string_view name) const;
};

} // namespace cli
