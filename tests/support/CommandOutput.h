#pragma once

// corvanta-calc's JSON and CSV read back by parsers of the tests' own, strict enough that output a program
// could not read fails: the JSON the command writes (objects, arrays, strings, words and whole numbers) and RFC 4180
// records.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the command's JSON holds.
struct CommandJson
{
    std::string command;
    std::map<std::string, std::pair<std::string, std::string>> figures; // name: value, text
    std::vector<std::string> figureOrder;
    std::vector<std::string> texts;
    std::vector<std::vector<std::pair<std::string, std::string>>> grid; // text, value
    std::vector<std::string> notes;
    std::vector<std::string> warnings;
    // Each list of records by its name; in a record, a text by its name, true, false and null as those words, a
    // figure's value and text as "name.value" and "name.text", and runs of numbers as "41-150 74-" (an open end); a
    // whole number as its digits, an object's entries as "name.entry" and a list of objects as "name[0].entry".
    std::map<std::string, std::vector<std::map<std::string, std::string>>> lists;
};

// None when the text is no JSON of that shape.
std::optional<CommandJson> parseCommandJson(std::string_view json);

// None when the text is no sequence of CRLF-ended RFC 4180 records with fields separated by the separator.
std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view csv, char separator = ',');
