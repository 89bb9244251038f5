// Reading a scenario file: the JSON first, then what a scenario may hold, each name checked against the sections'
// table for the file's format version.
#include "scenario/JsonReader.h"
#include "scenario/NeutralNumber.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioFields.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace scenario {

namespace {

using Kind = JsonValue::Kind;

// Thrown at the first refusal and caught by readScenario.
struct Refused
{
    std::string message;
};

std::string kindName(const JsonValue& value)
{
    switch (value.kind) {
    case Kind::Null:
        return "null";
    case Kind::False:
        return "false";
    case Kind::True:
        return "true";
    case Kind::Number:
        return "a number";
    case Kind::String:
        return "a text";
    case Kind::Array:
        return "a list";
    case Kind::Object:
        return "an object";
    }
    return "a value";
}

const JsonValue* memberNamed(const JsonValue& object, std::string_view key)
{
    const auto found = std::ranges::find(object.members, key, &JsonMember::key);
    return found == object.members.end() ? nullptr : &found->value;
}

// "1.0": a major and a minor version, digits each.
struct FormatVersion
{
    std::string_view major;
    std::string_view minor;
};

bool allDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<FormatVersion> formatVersionOf(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || !allDigits(text.substr(0, point)) || !allDigits(text.substr(point + 1)))
        return std::nullopt;
    return FormatVersion { text.substr(0, point), text.substr(point + 1) };
}

// Compares a version number written in digits with ours, whatever its length: -1, 0 or 1.
int compareWith(std::string_view digits, int ours)
{
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    const std::string oursText = std::to_string(ours);
    if (digits.size() != oursText.size())
        return digits.size() < oursText.size() ? -1 : 1;
    const int order = digits.compare(oursText);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

class Reader
{
public:
    Reader(const regional::RegionalSettings& settings, std::string version, bool newerMinor, bool firstMinor)
        : settings(settings)
        , version(std::move(version))
        , newerMinor(newerMinor)
        , firstMinor(firstMinor)
    { }

    Scenario scenario(const JsonValue& root)
    {
        Scenario read;
        for (const JsonMember& member : root.members) {
            if (member.key == "format" || member.key == "formatVersion") {
                continue;
            } else if (member.key == "writtenBy") {
                if (member.value.kind != Kind::String)
                    throw Refused { "writtenBy holds " + kindName(member.value) + "; it is a text." };
            } else if (member.key == "window") {
                read.window = window(member.value);
            } else if (member.key == "sections") {
                read.sections = sections(member.value);
            } else {
                unknown(member.key);
            }
        }
        return read;
    }

    // What a newer minor version added and this one left out, each once, in the order of the file.
    const std::vector<std::string>& leftOut() const { return left; }

private:
    const regional::RegionalSettings& settings;
    std::string version;
    bool newerMinor;
    bool firstMinor; // a 1.0 file, which has none of the names 1.1 added
    std::vector<std::string> left;

    // A name this version does not have: left out when a newer minor version added it, otherwise refused, since
    // the file claims a version that has no such name (a name mistyped by hand would silently lose a field).
    void unknown(std::string path)
    {
        if (!newerMinor)
            throw Refused { "The scenario holds " + path + ", which its format version " + version
                + " does not have." };
        if (std::ranges::find(left, path) == left.end())
            left.push_back(std::move(path));
    }

    std::map<std::string, std::string, std::less<>> window(const JsonValue& value)
    {
        if (value.kind != Kind::Object)
            throw Refused { "window holds " + kindName(value) + "; it is an object of texts by name." };
        std::map<std::string, std::string, std::less<>> texts;
        for (const JsonMember& member : value.members) {
            if (member.value.kind != Kind::String)
                throw Refused { "window." + member.key + " holds " + kindName(member.value)
                    + "; the window's entries are texts." };
            texts.emplace(member.key, member.value.text);
        }
        return texts;
    }

    std::map<std::string, calculators::FieldTexts, std::less<>> sections(const JsonValue& value)
    {
        if (value.kind != Kind::Object)
            throw Refused { "sections holds " + kindName(value) + "; it is an object of sections by name." };
        std::map<std::string, calculators::FieldTexts, std::less<>> read;
        for (const JsonMember& member : value.members) {
            if (const ScenarioSection* known = scenarioSection(member.key))
                read.emplace(member.key, section(*known, member.value));
            else
                unknown(member.key);
        }
        return read;
    }

    calculators::FieldTexts section(const ScenarioSection& known, const JsonValue& value)
    {
        const std::string name(known.name);
        if (value.kind != Kind::Object)
            throw Refused { name + " holds " + kindName(value) + "; a section is an object of fields." };
        calculators::FieldTexts texts;
        for (const JsonMember& member : value.members) {
            const std::string path = name + '.' + member.key;
            const auto table = std::ranges::find(known.tables, member.key, &ScenarioTable::name);
            if (std::ranges::find(known.fields, member.key) != known.fields.end()) {
                const auto text = fieldText(member.value);
                if (!text)
                    throw Refused { path + " holds " + kindName(member.value) + "; a field holds a text or a number." };
                texts.set(member.key, *text);
            } else if (table != known.tables.end()) {
                texts.setRows(member.key, rows(*table, path, member.value));
            } else {
                unknown(path);
            }
        }
        return texts;
    }

    std::vector<calculators::FieldTexts::Row> rows(
        const ScenarioTable& table, const std::string& path, const JsonValue& value)
    {
        if (value.kind != Kind::Array)
            throw Refused { path + " holds " + kindName(value)
                + "; it is a list of rows, each an object of texts and numbers." };
        std::vector<calculators::FieldTexts::Row> rows;
        for (const JsonValue& item : value.items) {
            const std::string rowName = path + " row " + std::to_string(rows.size() + 1);
            if (item.kind != Kind::Object)
                throw Refused { rowName + " holds " + kindName(item) + "; a row is an object of texts and numbers." };
            auto& row = rows.emplace_back();
            for (const JsonMember& cell : item.members) {
                const auto key = std::ranges::find(table.keys, cell.key);
                if (key == table.keys.end()
                    || (firstMinor && static_cast<std::size_t>(key - table.keys.begin()) >= table.keysOfVersion10)) {
                    unknown(path + '.' + cell.key);
                    continue;
                }
                const auto text = fieldText(cell.value);
                if (!text)
                    throw Refused { rowName + ": " + cell.key + " holds " + kindName(cell.value)
                        + "; a cell holds a text or a number." };
                row.emplace(cell.key, *text);
            }
        }
        return rows;
    }

    // A string as it stands, a number as typed under the settings; none for any other kind.
    std::optional<std::string> fieldText(const JsonValue& value) const
    {
        if (value.kind == Kind::String)
            return value.text;
        if (value.kind == Kind::Number)
            return typedNumber(value.text, settings);
        return std::nullopt;
    }
};

std::string formatVersionText()
{
    return std::to_string(formatMajorVersion) + '.' + std::to_string(formatMinorVersion);
}

ReadScenario readDocument(std::string_view bytes, const regional::RegionalSettings& shownIn)
{
    if (bytes.size() > maxScenarioBytes)
        throw Refused { "The file is larger than 1 MiB, more than a scenario holds." };
    // A byte order mark, as some editors write, is no part of the JSON.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    auto json = readJson(bytes);
    if (const auto* error = std::get_if<JsonError>(&json))
        throw Refused { "The file is not JSON: line " + std::to_string(error->line) + ", column "
            + std::to_string(error->column) + ": " + error->what + "." };
    const JsonValue& root = std::get<JsonValue>(json);
    const JsonValue* format = root.kind == Kind::Object ? memberNamed(root, "format") : nullptr;
    if (!format || format->kind != Kind::String || format->text != "corvanta-scenario")
        throw Refused { "The file is not a Corvanta scenario: it holds no \"format\": \"corvanta-scenario\"." };

    const JsonValue* versionValue = memberNamed(root, "formatVersion");
    const auto version
        = versionValue && versionValue->kind == Kind::String ? formatVersionOf(versionValue->text) : std::nullopt;
    if (!version)
        throw Refused { "The scenario has no format version such as \"formatVersion\": \"" + formatVersionText()
            + "\"." };
    if (const int major = compareWith(version->major, formatMajorVersion); major != 0)
        throw Refused { "The scenario is in format version " + versionValue->text
            + ", and this version of Corvanta reads format version " + formatVersionText()
            + (major > 0 ? "; a newer Corvanta opens it." : ".") };
    const bool newerMinor = compareWith(version->minor, formatMinorVersion) > 0;

    const bool firstMinor = version->minor.find_first_not_of('0') == std::string_view::npos;
    Reader reader(shownIn, versionValue->text, newerMinor, firstMinor);
    ReadScenario read { reader.scenario(root), {} };
    if (!reader.leftOut().empty()) {
        const JsonValue* writtenBy = memberNamed(root, "writtenBy");
        std::string notice = "Fields of a newer version (format " + versionValue->text
            + (writtenBy ? ", " + writtenBy->text : "") + ") were left out: ";
        for (std::size_t i = 0; i < reader.leftOut().size(); ++i)
            notice += (i == 0 ? "" : ", ") + reader.leftOut()[i];
        read.notices.push_back(notice + ".");
    }
    return read;
}

} // namespace

std::variant<ReadScenario, ScenarioError> readScenario(
    std::string_view bytes, const regional::RegionalSettings& shownIn)
{
    try {
        return readDocument(bytes, shownIn);
    } catch (Refused& refused) {
        return ScenarioError { std::move(refused.message) };
    }
}

} // namespace scenario
