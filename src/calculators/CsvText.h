#pragma once

#include "regional/RegionalSettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace calculators {

// A grid's texts row by row, row 0 being its heading row; UTF-8.
using TextGrid = std::vector<std::vector<std::string>>;

// A field as the user typed it, written above a grid: its caption and its text.
struct CsvInput
{
    std::string caption;
    std::string text;
};

// The character between fields: a semicolon where the decimal separator is a comma, since spreadsheets there
// read a comma as the decimal separator; a comma elsewhere.
char csvSeparator(const regional::RegionalSettings& settings);

// Whether the whole text reads as a figure in the regional format: a sign, the currency symbol, grouped digits
// with the decimal separator, an exponent, a percent sign ("-$1,234.56", "-1.234,56 €", "-5", "-1E-5").
bool readsAsFigure(std::string_view text, const regional::RegionalSettings& settings);

// One CSV field: enclosed in double quotes, its quotes doubled, when it holds the separator, a quote or a line
// break; otherwise exactly as it is, blanks included. A text that a spreadsheet would run as a formula (one that
// starts with =, +, -, @, a tab or a carriage return and is no figure) gets a leading single quote and the double
// quotes, so that it shows as the text it is.
std::string csvField(std::string_view text, const regional::RegionalSettings& settings);

// The inputs as records of caption and text and an empty record, when there are any, then the grid row by row,
// each record ended by CR LF (RFC 4180 with the regional separator): what the grids' Save as CSV writes and what
// the command line prints.
std::string csvText(
    const TextGrid& grid, const regional::RegionalSettings& settings, const std::vector<CsvInput>& inputs = {});

} // namespace calculators
