#include "ShortDate.h"

#include <cstdlib>
#include <string_view>

namespace finance {

namespace {

std::string twoDigits(int value)
{
    value = std::abs(value) % 100;
    return std::string { static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10) };
}

std::string yearDigits(int year)
{
    std::string text = std::to_string(std::abs(year));
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return year < 0 ? "-" + text : text;
}

// Length of the run of `letter` (either case) at `pos`.
std::size_t runLength(std::string_view format, std::size_t pos, char letter)
{
    std::size_t length = 0;
    while (pos + length < format.size() && (format[pos + length] | 0x20) == letter)
        ++length;
    return length;
}

} // namespace

std::string shortDateText(const CivilDate& date, const RegionalSettings& settings)
{
    const std::string_view format = settings.shortDateFormat;
    std::string text;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char letter = static_cast<char>(format[pos] | 0x20);
        const std::size_t run = letter == 'd' || letter == 'm' || letter == 'y' ? runLength(format, pos, letter) : 0;
        if (letter == 'y' && run >= 4) {
            text += yearDigits(date.year);
            pos += 4;
        } else if (letter == 'y' && run >= 2) {
            text += twoDigits(date.year);
            pos += 2;
        } else if ((letter == 'd' || letter == 'm') && run >= 1) {
            const int value = letter == 'd' ? date.day : date.month;
            if (run >= 2) {
                text += twoDigits(value);
                pos += 2;
            } else {
                text += std::to_string(value);
                pos += 1;
            }
        } else {
            text += format[pos++];
        }
    }
    return text;
}

} // namespace finance
