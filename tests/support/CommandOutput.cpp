#include "CommandOutput.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>

namespace {

// A recursive-descent reader over the JSON text; every read returns false on anything unexpected.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text)
        : rest(text)
    { }

    bool symbol(char c)
    {
        skipBlanks();
        if (rest.empty() || rest.front() != c)
            return false;
        rest.remove_prefix(1);
        return true;
    }
    bool peek(char c)
    {
        skipBlanks();
        return !rest.empty() && rest.front() == c;
    }
    bool string(std::string& out)
    {
        out.clear();
        if (!symbol('"'))
            return false;
        while (!rest.empty() && rest.front() != '"') {
            char c = rest.front();
            rest.remove_prefix(1);
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c == '\\') {
                if (rest.empty())
                    return false;
                c = rest.front();
                rest.remove_prefix(1);
                if (c == 'u') {
                    if (rest.size() < 4)
                        return false;
                    const unsigned code = std::stoul(std::string(rest.substr(0, 4)), nullptr, 16);
                    rest.remove_prefix(4);
                    // The command escapes only control characters this way.
                    if (code >= 0x20)
                        return false;
                    c = static_cast<char>(code);
                } else if (c != '"' && c != '\\' && c != '/') {
                    return false;
                }
            }
            out += c;
        }
        return symbol('"');
    }
    // Reads a sequence between open and close, separated by commas, each element by `element`.
    bool sequence(char open, char close, const std::function<bool()>& element)
    {
        if (!symbol(open))
            return false;
        if (symbol(close))
            return true;
        do {
            if (!element())
                return false;
        } while (symbol(','));
        return symbol(close);
    }
    // true, false or null.
    bool literal(std::string& out)
    {
        skipBlanks();
        for (const char* word : { "true", "false", "null" }) {
            if (rest.substr(0, std::string_view(word).size()) == word) {
                out = word;
                rest.remove_prefix(out.size());
                return true;
            }
        }
        return false;
    }
    // A whole number of digits alone.
    bool digits(std::string& out)
    {
        skipBlanks();
        const std::size_t end = std::min(rest.find_first_not_of("0123456789"), rest.size());
        out = rest.substr(0, end);
        rest.remove_prefix(end);
        return !out.empty();
    }
    bool stringArray(std::vector<std::string>& out)
    {
        return sequence('[', ']', [&] { return string(out.emplace_back()); });
    }
    bool atEnd()
    {
        skipBlanks();
        return rest.empty();
    }

private:
    void skipBlanks()
    {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\n' || rest.front() == '\t'))
            rest.remove_prefix(1);
    }
    std::string_view rest;
};

} // namespace

namespace {

// An entry of a record, by the name it goes by: a text, a word, a whole number, a figure ("name.value" and
// "name.text"), an object of entries ("name.member..."), runs of numbers ("41-150 74-") or a list of other objects
// ("name[0].member...").
bool recordEntry(JsonReader& reader, std::map<std::string, std::string>& record, const std::string& name)
{
    if (reader.peek('"'))
        return reader.string(record[name]);
    if (reader.peek('{'))
        return reader.sequence('{', '}', [&] {
            std::string member;
            return reader.string(member) && reader.symbol(':') && !record.contains(name + "." + member)
                && recordEntry(reader, record, name + "." + member);
        });
    if (reader.peek('[')) {
        std::string& runs = record[name];
        int index = 0;
        return reader.sequence('[', ']', [&] {
            std::map<std::string, std::string> element;
            if (!reader.peek('{') || !recordEntry(reader, element, ""))
                return false;
            if (element.size() == 2 && element.contains(".from") && element.contains(".to")) {
                const std::string& to = element[".to"];
                runs += (runs.empty() ? "" : " ") + element[".from"] + "-" + (to == "null" ? "" : to);
            } else {
                for (const auto& [member, value] : element)
                    record[name + "[" + std::to_string(index) + "]" + member] = value;
            }
            ++index;
            return true;
        });
    }
    return reader.digits(record[name]) || reader.literal(record[name]);
}

} // namespace

std::optional<CommandJson> parseCommandJson(std::string_view json)
{
    JsonReader reader(json);
    CommandJson parsed;
    std::string key;
    const auto cellOrFigure = [&reader, &key](std::pair<std::string, std::string>& valueAndText, bool textFirst) {
        return reader.sequence('{', '}', [&] {
            std::string field;
            if (!reader.string(field) || !reader.symbol(':'))
                return false;
            if (field == "value")
                return reader.string(textFirst ? valueAndText.second : valueAndText.first);
            if (field == "text")
                return reader.string(textFirst ? valueAndText.first : valueAndText.second);
            return false;
        });
    };
    const bool read = reader.sequence('{', '}', [&] {
        if (!reader.string(key) || !reader.symbol(':'))
            return false;
        if (key == "command")
            return reader.string(parsed.command);
        if (key == "texts")
            return reader.stringArray(parsed.texts);
        if (key == "warnings")
            return reader.stringArray(parsed.warnings);
        if (key == "notes")
            return reader.stringArray(parsed.notes);
        if (key == "figures")
            return reader.sequence('{', '}', [&] {
                std::string name;
                if (!reader.string(name) || !reader.symbol(':'))
                    return false;
                parsed.figureOrder.push_back(name);
                return cellOrFigure(parsed.figures[name], false);
            });
        if (key == "grid")
            return reader.sequence('[', ']', [&] {
                auto& row = parsed.grid.emplace_back();
                return reader.sequence('[', ']', [&] { return cellOrFigure(row.emplace_back(), true); });
            });
        // Any other key is a list of records, after the grid.
        if (parsed.lists.contains(key))
            return false;
        auto& records = parsed.lists[key];
        return reader.sequence('[', ']', [&] {
            auto& record = records.emplace_back();
            return reader.sequence('{', '}', [&] {
                std::string name;
                return reader.string(name) && reader.symbol(':') && !record.contains(name)
                    && recordEntry(reader, record, name);
            });
        });
    });
    if (!read || !reader.atEnd())
        return std::nullopt;
    return parsed;
}

std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view csv, char separator)
{
    std::vector<std::vector<std::string>> records;
    while (!csv.empty()) {
        auto& record = records.emplace_back();
        for (bool more = true; more;) {
            std::string field;
            if (!csv.empty() && csv.front() == '"') {
                csv.remove_prefix(1);
                for (;;) {
                    const std::size_t quote = csv.find('"');
                    if (quote == std::string_view::npos)
                        return std::nullopt;
                    field += csv.substr(0, quote);
                    csv.remove_prefix(quote + 1);
                    if (csv.empty() || csv.front() != '"')
                        break;
                    field += '"';
                    csv.remove_prefix(1);
                }
            } else {
                const char ends[] = { separator, '\r', '\n', '"', '\0' };
                const std::size_t end = csv.find_first_of(ends);
                if (end == std::string_view::npos || csv[end] == '"')
                    return std::nullopt;
                field = csv.substr(0, end);
                csv.remove_prefix(end);
            }
            record.push_back(field);
            if (csv.substr(0, 1) == std::string_view(&separator, 1)) {
                csv.remove_prefix(1);
            } else if (csv.substr(0, 2) == "\r\n") {
                csv.remove_prefix(2);
                more = false;
            } else {
                return std::nullopt;
            }
        }
    }
    return records;
}
