#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace calculators {

// A grid's texts row by row, row 0 being its heading row; UTF-8.
using TextGrid = std::vector<std::vector<std::string>>;

// One CSV field: enclosed in double quotes, its quotes doubled, when it holds a comma, a quote or a line break;
// otherwise exactly as it is, blanks included.
std::string csvField(std::string_view text);

// The grid row by row as comma-separated records ended by CR LF (RFC 4180): what the grids' Save as CSV writes
// and what the command line prints.
std::string csvText(const TextGrid& grid);

} // namespace calculators
