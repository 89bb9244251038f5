#include "calculators/CsvText.h"

#include <cstddef>

namespace calculators {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.starts_with(prefix);
}

// Skips one blank: a space, or the no-break spaces that some locales group digits or set off the symbol with.
void skipBlank(std::string_view& text)
{
    for (const std::string_view blank : { " ", "\u00a0", "\u202f" })
        if (startsWith(text, blank)) {
            text.remove_prefix(blank.size());
            return;
        }
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits, from a digit on, with the settings' separators between them.
bool skipDigits(std::string_view& text, const regional::RegionalSettings& settings)
{
    if (text.empty() || !isDigit(text.front()))
        return false;
    while (!text.empty()) {
        if (isDigit(text.front()))
            text.remove_prefix(1);
        else if (startsWith(text, settings.thousandsSeparator))
            text.remove_prefix(settings.thousandsSeparator.size());
        else if (startsWith(text, settings.decimalSeparator))
            text.remove_prefix(settings.decimalSeparator.size());
        else
            break;
    }
    return true;
}

bool startsAsFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

} // namespace

char csvSeparator(const regional::RegionalSettings& settings)
{
    return settings.decimalSeparator == "," ? ';' : ',';
}

bool readsAsFigure(std::string_view text, const regional::RegionalSettings& settings)
{
    if (startsWith(text, "-") || startsWith(text, "+"))
        text.remove_prefix(1);
    if (startsWith(text, settings.currencySymbol)) {
        text.remove_prefix(settings.currencySymbol.size());
        skipBlank(text);
    }
    if (!skipDigits(text, settings))
        return false;
    if (startsWith(text, "E") || startsWith(text, "e")) {
        text.remove_prefix(1);
        if (startsWith(text, "-") || startsWith(text, "+"))
            text.remove_prefix(1);
        if (!skipDigits(text, settings))
            return false;
    }
    skipBlank(text);
    if (startsWith(text, settings.currencySymbol))
        text.remove_prefix(settings.currencySymbol.size());
    else if (startsWith(text, "%"))
        text.remove_prefix(1);
    return text.empty();
}

std::string csvField(std::string_view text, const regional::RegionalSettings& settings)
{
    const bool formula = startsAsFormula(text) && !readsAsFigure(text, settings);
    // The characters that need quoting are all ASCII, so a byte never matches inside a multi-byte character.
    const char special[] = { csvSeparator(settings), '"', '\r', '\n', '\0' };
    if (!formula && text.find_first_of(special) == std::string_view::npos)
        return std::string(text);
    std::string quoted = formula ? "\"'" : "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvText(
    const TextGrid& grid, const regional::RegionalSettings& settings, const std::vector<CsvInput>& inputs)
{
    const char separator = csvSeparator(settings);
    std::string text;
    for (const CsvInput& input : inputs)
        text += csvField(input.caption, settings) + separator + csvField(input.text, settings) + "\r\n";
    if (!inputs.empty())
        text += "\r\n";
    for (const auto& row : grid) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += separator;
            text += csvField(row[column], settings);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace calculators
