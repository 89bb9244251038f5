#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calculators {

// A cell of a table field: its row and column, counted from 0.
struct TableCell
{
    int row = 0;
    int column = 0;

    friend bool operator==(const TableCell&, const TableCell&) = default;
};

// A refused field, as every calculator reports it: the field's stable name (the command line's option for it,
// "rate", "first-payment", "once"), the cell for a table field, and the warning that says what the field takes.
// A window finds the control by the name, the command line the option.
struct FieldFailure
{
    std::string_view field;
    std::optional<TableCell> cell = {};
    std::string message;
};

} // namespace calculators
