#include "scenario/NeutralNumber.h"

#include <cstddef>

namespace scenario {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A separator that a number's own characters could be mistaken for cannot mark the decimals unambiguously: such
// settings read and write every number with a full stop, and no typed text as a number.
bool usableSeparator(std::string_view separator)
{
    return !separator.empty() && separator.find_first_of("0123456789+-eE") == std::string_view::npos;
}

} // namespace

std::optional<std::string> neutralNumber(std::string_view typed, const regional::RegionalSettings& typedIn)
{
    const std::string_view separator = typedIn.decimalSeparator;
    if (!usableSeparator(separator))
        return std::nullopt;
    std::string token;
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t from = pos;
        while (pos < typed.size() && isDigit(typed[pos]))
            token += typed[pos++];
        return pos - from;
    };
    if (typed.substr(0, 1) == "-")
        token += typed[pos++];
    const std::size_t whole = digits();
    if (whole == 0 || (whole > 1 && typed[pos - whole] == '0'))
        return std::nullopt;
    if (typed.substr(pos).starts_with(separator)) {
        pos += separator.size();
        token += '.';
        if (digits() == 0)
            return std::nullopt;
    }
    if (pos < typed.size() && (typed[pos] == 'e' || typed[pos] == 'E')) {
        token += typed[pos++];
        if (pos < typed.size() && (typed[pos] == '+' || typed[pos] == '-'))
            token += typed[pos++];
        if (digits() == 0)
            return std::nullopt;
    }
    if (pos != typed.size())
        return std::nullopt;
    return token;
}

std::string typedNumber(std::string_view token, const regional::RegionalSettings& shownIn)
{
    const std::string_view separator
        = usableSeparator(shownIn.decimalSeparator) ? std::string_view(shownIn.decimalSeparator) : ".";
    std::string typed;
    for (const char c : token) {
        if (c == '.')
            typed += separator;
        else
            typed += c;
    }
    return typed;
}

} // namespace scenario
