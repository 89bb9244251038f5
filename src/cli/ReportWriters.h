#pragma once

#include "cli/Report.h"
#include "regional/RegionalSettings.h"

#include <ostream>
#include <string_view>

namespace cli {

// The texts as the window shows them: sentences and panels a line each, then the grid's rows that hold a
// text, in aligned columns (a cell with a value, a figure or a date, aligned right, and so the heading over
// such cells).
void writeText(const Report& report, std::ostream& out);

// The inputs and the grid as the grids' Save as CSV writes them, separated as the settings have it; a command
// without a grid writes its figures as records of name, exact decimal and text under a heading record.
void writeCsv(const Report& report, const regional::RegionalSettings& settings, std::ostream& out);

// One JSON object: the command's name, its figures by name with their exact decimals and texts, the texts, the
// grid's cells, each list of records under its name, and the warnings.
void writeJson(std::string_view command, const Report& report, std::ostream& out);

} // namespace cli
