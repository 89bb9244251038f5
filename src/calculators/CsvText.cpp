#include "calculators/CsvText.h"

#include <cstddef>

namespace calculators {

std::string csvField(std::string_view text)
{
    // The characters that need quoting are all ASCII, so a byte never matches inside a multi-byte character.
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvText(const TextGrid& grid)
{
    std::string text;
    for (const auto& row : grid) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += ',';
            text += csvField(row[column]);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace calculators
