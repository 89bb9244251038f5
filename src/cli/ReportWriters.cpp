#include "cli/ReportWriters.h"

#include "calculators/CsvText.h"
#include "scenario/Utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace cli {

namespace {

// The characters of a UTF-8 text, which is what a terminal lays out; continuation bytes take no room.
std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A JSON string; bytes that are no valid UTF-8 become U+FFFD, so that the output always parses.
std::string jsonString(std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string quoted = "\"";
    while (!text.empty()) {
        const std::size_t length = scenario::utf8SequenceLength(text, 0);
        const char c = text[0];
        if (length == 0) {
            quoted += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            quoted += "\\u00";
            quoted += hex[(c >> 4) & 0xF];
            quoted += hex[c & 0xF];
        } else {
            quoted.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return quoted + '"';
}

void writeStrings(const std::vector<std::string>& texts, std::ostream& out)
{
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i)
        out << (i > 0 ? ", " : "") << jsonString(texts[i]);
    out << ']';
}

void writeEntryValue(const RecordEntry& entry, std::ostream& out);

// Entries as one object on one line: {"from": 61, "rate": {...}}.
void writeObject(const RecordObject& object, std::ostream& out)
{
    out << '{';
    for (std::size_t i = 0; i < object.size(); ++i) {
        out << (i > 0 ? ", " : "") << jsonString(object[i].name) << ": ";
        writeEntryValue(object[i], out);
    }
    out << '}';
}

// An entry's value: null, true or false, a string, a figure as {"value": ..., "text": ...}, runs, a whole number, an
// object or a list of objects.
void writeEntryValue(const RecordEntry& entry, std::ostream& out)
{
    if (std::holds_alternative<std::monostate>(entry.value))
        out << "null";
    else if (const bool* flag = std::get_if<bool>(&entry.value))
        out << (*flag ? "true" : "false");
    else if (const std::string* text = std::get_if<std::string>(&entry.value))
        out << jsonString(*text);
    else if (const Cell* cell = std::get_if<Cell>(&entry.value))
        out << "{\"value\": " << jsonString(cell->value) << ", \"text\": " << jsonString(cell->text) << '}';
    else if (const std::int64_t* number = std::get_if<std::int64_t>(&entry.value))
        out << *number;
    else if (const RecordObject* object = std::get_if<RecordObject>(&entry.value))
        writeObject(*object, out);
    else if (const auto* objects = std::get_if<std::vector<RecordObject>>(&entry.value)) {
        out << '[';
        for (std::size_t i = 0; i < objects->size(); ++i) {
            out << (i > 0 ? ", " : "");
            writeObject((*objects)[i], out);
        }
        out << ']';
    } else {
        const auto& runs = std::get<std::vector<NumberRun>>(entry.value);
        out << '[';
        for (std::size_t i = 0; i < runs.size(); ++i) {
            out << (i > 0 ? ", " : "") << "{\"from\": " << runs[i].from << ", \"to\": ";
            if (runs[i].to)
                out << *runs[i].to;
            else
                out << "null";
            out << '}';
        }
        out << ']';
    }
}

// Each list as an array of objects, an entry a line.
void writeLists(const std::vector<RecordList>& lists, std::ostream& out)
{
    for (const RecordList& list : lists) {
        out << ",\n  " << jsonString(list.name) << ": [";
        for (std::size_t r = 0; r < list.records.size(); ++r) {
            out << (r > 0 ? "," : "") << "\n    {";
            const auto& record = list.records[r];
            for (std::size_t e = 0; e < record.size(); ++e) {
                out << (e > 0 ? "," : "") << "\n      " << jsonString(record[e].name) << ": ";
                writeEntryValue(record[e], out);
            }
            out << (record.empty() ? "" : "\n    ") << '}';
        }
        out << (list.records.empty() ? "" : "\n  ") << ']';
    }
}

} // namespace

void writeText(const Report& report, std::ostream& out)
{
    for (const std::string& text : report.texts)
        out << text << '\n';
    std::vector<std::size_t> widths;
    std::vector<bool> figures; // columns whose cells hold figures or dates, aligned right
    for (const auto& row : report.grid) {
        widths.resize(std::max(widths.size(), row.size()));
        figures.resize(widths.size());
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], characterCount(row[column].text));
            figures[column] = figures[column] || !row[column].value.empty();
        }
    }
    for (std::size_t r = 0; r < report.grid.size(); ++r) {
        const auto& row = report.grid[r];
        // Rows the grid leaves empty, below a matrix with fewer rates, are no text.
        if (std::all_of(row.begin(), row.end(), [](const Cell& cell) { return cell.text.empty(); }))
            continue;
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            const Cell& cell = row[column];
            const std::string padding(widths[column] - characterCount(cell.text), ' ');
            if (column > 0)
                line += "  ";
            // A heading stands over its column's figures, ending where they end.
            const bool right = !cell.value.empty() || (r == 0 && figures[column]);
            line += right ? padding + cell.text : cell.text + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
    // A blank line sets the sentences under the grid apart from its last row.
    if (!report.notes.empty() && !report.grid.empty())
        out << '\n';
    for (const std::string& note : report.notes)
        out << note << '\n';
}

void writeCsv(const Report& report, const regional::RegionalSettings& settings, std::ostream& out)
{
    calculators::TextGrid grid;
    if (report.grid.empty()) {
        grid.push_back({ "figure", "value", "text" });
        for (const Figure& figure : report.figures)
            grid.push_back({ figure.name, figure.value, figure.text });
    }
    for (const auto& row : report.grid) {
        auto& texts = grid.emplace_back();
        for (const Cell& cell : row)
            texts.push_back(cell.text);
    }
    out << calculators::csvText(grid, settings, report.inputs);
}

void writeJson(std::string_view command, const Report& report, std::ostream& out)
{
    out << "{\n  \"command\": " << jsonString(command) << ",\n  \"figures\": {";
    for (std::size_t i = 0; i < report.figures.size(); ++i) {
        const Figure& figure = report.figures[i];
        out << (i > 0 ? "," : "") << "\n    " << jsonString(figure.name) << ": {\"value\": " << jsonString(figure.value)
            << ", \"text\": " << jsonString(figure.text) << '}';
    }
    out << (report.figures.empty() ? "" : "\n  ") << "},\n  \"texts\": ";
    writeStrings(report.texts, out);
    out << ",\n  \"grid\": [";
    for (std::size_t r = 0; r < report.grid.size(); ++r) {
        out << (r > 0 ? "," : "") << "\n    [";
        const auto& row = report.grid[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            out << (c > 0 ? ", " : "") << "{\"text\": " << jsonString(row[c].text);
            if (!row[c].value.empty())
                out << ", \"value\": " << jsonString(row[c].value);
            out << '}';
        }
        out << ']';
    }
    out << (report.grid.empty() ? "" : "\n  ") << ']';
    if (!report.notes.empty()) {
        out << ",\n  \"notes\": ";
        writeStrings(report.notes, out);
    }
    writeLists(report.lists, out);
    out << ",\n  \"warnings\": ";
    writeStrings(report.warnings, out);
    out << "\n}\n";
}

} // namespace cli
