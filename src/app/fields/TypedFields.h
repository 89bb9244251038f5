#pragma once

#include "calculators/fields/FieldTexts.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QObject;
class QWidget;

namespace app {

// A control the user types into or chooses, by the field name its calculator's reader and the command line give
// it. A radio button stands for one choice of its field; a control of a table field holds one cell, named by its
// row and its key; a grid the user types rows into holds a whole table field, its columns the keys.
struct TypedField
{
    std::string_view field;
    QWidget* control;
    std::string_view choice = {}; // a radio button: the field's text when it is the one checked
    int row = -1; // a cell: its row in the table field
    std::string_view key = {}; // a cell: its key in the row
    std::span<const std::string_view> columns = {}; // a grid of rows: the key of each column
};

// The typed fields of one calculator, by its section name in a scenario: the command line's subcommand name.
struct TypedSection
{
    std::string_view name;
    std::vector<TypedField> fields;
};

// What the controls hold, as typed: a line edit's or a spin box's text, a check box's "yes" or "no", a combo box's
// item number from 1, a date field's year-month-day, the choice of the radio button that is checked, a grid's rows
// with a text in them.
calculators::FieldTexts typedTexts(std::span<const TypedField> fields);

// Shows the texts in the controls, as typedTexts gives them. A field the texts leave out keeps its control as it
// is; a text a control cannot show (a date that is no date, a combo box's number out of range) leaves it too.
void showTypedTexts(std::span<const TypedField> fields, const calculators::FieldTexts& texts);

// Calls changed whenever one of the controls changes, for as long as the context lives.
void watchTypedFields(std::span<const TypedField> fields, QObject* context, const std::function<void()>& changed);

} // namespace app
