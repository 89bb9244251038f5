#pragma once

#include "calculators/CsvText.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cli {

// A figure a command shows: its exact decimal with the shown rounding ("898.83") and its text as the window
// shows it ("$898.83").
struct Figure
{
    std::string name;
    std::string value;
    std::string text;
};

// A grid cell: its text as shown, and its figure's exact decimal where it shows one, or a date's year-month-day
// (empty otherwise).
struct Cell
{
    std::string text;
    std::string value = {};
};

// Consecutive whole numbers from one to another, or on without an end: {"from": 41, "to": 150}, {"from": 74,
// "to": null}.
struct NumberRun
{
    std::int64_t from = 0;
    std::optional<std::int64_t> to;
};

struct RecordEntry;
// Named entries as one object: {"paidInYearsKept": {...}, "costInYearsKept": {...}}.
using RecordObject = std::vector<RecordEntry>;

// A named entry of a record for programs: a text, a yes or no, a figure (a cell's text and exact decimal), runs of
// numbers, nothing, a whole number, an object of entries or a list of such objects.
struct RecordEntry
{
    std::string name;
    std::variant<std::monostate, bool, std::string, Cell, std::vector<NumberRun>, std::int64_t, RecordObject,
        std::vector<RecordObject>>
        value;
};

// Records of the same kind for programs, such as the offers of a comparison, each a list of named entries.
struct RecordList
{
    std::string name;
    std::vector<std::vector<RecordEntry>> records;
};

// What a command shows, in the order the window shows it.
struct Report
{
    std::vector<std::string> texts; // sentences, panels with their captions, report lines
    std::vector<Figure> figures;
    std::vector<std::vector<Cell>> grid; // the heading row first; empty when the command shows no grid
    std::vector<std::string> notes; // sentences under the grid
    std::vector<calculators::CsvInput> inputs; // the fields as given, which the CSV begins with
    std::vector<RecordList> lists; // for programs alone: the JSON gives them, the texts and CSV show the grid
    std::vector<std::string> warnings; // shown beside the results, as the window's warning boxes
};

// value rounded half away from zero to the decimals, with a full stop and no grouping: "1234.57".
std::string exactDecimal(finance::Extended value, int decimals);

// Figures as the named formats show them, with their exact decimals at the same rounding.
Figure moneyFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings);
Figure wholeMoneyFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings);
Figure fixedFigure(std::string name, finance::Extended value, int decimals, const regional::RegionalSettings& settings);
Figure groupedFigure(std::string name, finance::Extended value, const regional::RegionalSettings& settings);
Figure integerFigure(std::string name, std::int32_t value);

} // namespace cli
