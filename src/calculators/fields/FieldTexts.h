#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace calculators {

// The texts of a calculator's fields as typed, by field name: the command line's option for the field ("rate",
// "first-payment"). A field left out is an empty text. A table field (the planner's one-time extras, the offers)
// holds rows, each its cells' texts by key ("payment", "amount"). A window gathers them from its controls, the
// command line from its options, and the calculator's reader reads them.
class FieldTexts final
{
public:
    using Row = std::map<std::string, std::string, std::less<>>;

    FieldTexts() = default;
    FieldTexts(std::initializer_list<std::pair<std::string_view, std::string>> texts)
    {
        for (const auto& [field, text] : texts)
            set(field, text);
    }

    void set(std::string_view field, std::string text) { texts.insert_or_assign(std::string(field), std::move(text)); }
    bool has(std::string_view field) const { return texts.find(field) != texts.end(); }
    // The field's text; empty when it was left out.
    const std::string& text(std::string_view field) const
    {
        static const std::string none;
        const auto found = texts.find(field);
        return found == texts.end() ? none : found->second;
    }

    void addRow(std::string_view table, Row row) { tables[std::string(table)].push_back(std::move(row)); }
    // A table with these rows, none at all included: a saved table of no rows stays a table.
    void setRows(std::string_view table, std::vector<Row> rows)
    {
        tables.insert_or_assign(std::string(table), std::move(rows));
    }
    // The table's rows in order; none when it was left out.
    const std::vector<Row>& rows(std::string_view table) const
    {
        static const std::vector<Row> none;
        const auto found = tables.find(table);
        return found == tables.end() ? none : found->second;
    }

    // Every field's text and every table, by name, as a file holds them.
    const auto& allTexts() const { return texts; }
    const auto& allTables() const { return tables; }

    // Every text of the other that this one does not hold is added, with the other's tables.
    void addMissing(const FieldTexts& other)
    {
        texts.insert(other.texts.begin(), other.texts.end());
        tables.insert(other.tables.begin(), other.tables.end());
    }

    bool operator==(const FieldTexts&) const = default;

private:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, std::vector<Row>, std::less<>> tables;
};

// The text of a row's cell by its key; empty when the row has no such cell.
inline const std::string& cellText(const FieldTexts::Row& row, std::string_view key)
{
    static const std::string none;
    const auto found = row.find(key);
    return found == row.end() ? none : found->second;
}

} // namespace calculators
