#include "regional/ShortDate.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace regional {

namespace {

std::string twoDigits(int value)
{
    value = std::abs(value) % 100;
    return std::string { static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10) };
}

std::string fullYear(int year)
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

// 0 = Sunday; proleptic Gregorian calendar.
int dayOfWeek(int year, int month, int day)
{
    static constexpr int monthOffsets[12] = { 0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4 };
    year -= month < 3 ? 1 : 0;
    const int floorDiv4 = year >= 0 ? year / 4 : (year - 3) / 4;
    const int floorDiv100 = year >= 0 ? year / 100 : (year - 99) / 100;
    const int floorDiv400 = year >= 0 ? year / 400 : (year - 399) / 400;
    const int sum = year + floorDiv4 - floorDiv100 + floorDiv400 + monthOffsets[month - 1] + day;
    return (sum % 7 + 7) % 7;
}

// The number (run 1), two digits (run 2), abbreviated name (run 3) or name (run 4) of a day or month.
std::string dayOrMonth(const std::string* names, const std::string* abbreviated, int index, int value, std::size_t run)
{
    if (run >= 4)
        return names[index];
    if (run == 3)
        return abbreviated[index];
    return run == 2 ? twoDigits(value) : std::to_string(value);
}

} // namespace

std::string shortDateText(const finance::CivilDate& date, const RegionalSettings& settings, YearDigits yearDigits)
{
    const std::string_view format = settings.shortDateFormat;
    const DateNames& names = settings.dateNames;
    const int month = std::clamp(date.month, 1, 12);
    std::string text;
    std::size_t pos = 0;
    while (pos < format.size()) {
        if (format[pos] == '\'') {
            // Quoted text stands for itself; '' is a quote.
            const std::size_t end = format.find('\'', pos + 1);
            const std::size_t stop = end == std::string_view::npos ? format.size() : end;
            text += stop == pos + 1 && end != std::string_view::npos ? "'" : format.substr(pos + 1, stop - pos - 1);
            pos = stop == format.size() ? stop : stop + 1;
            continue;
        }
        const char letter = static_cast<char>(format[pos] | 0x20);
        const std::size_t run = letter == 'd' || letter == 'm' || letter == 'y' ? runLength(format, pos, letter) : 0;
        if (letter == 'y' && (run >= 4 || (run >= 2 && yearDigits == YearDigits::Four))) {
            text += fullYear(date.year);
            pos += std::min<std::size_t>(run, 4);
        } else if (letter == 'y' && run >= 2) {
            text += twoDigits(date.year);
            pos += 2;
        } else if (letter == 'd' && run >= 1) {
            const std::size_t used = std::min<std::size_t>(run, 4);
            text += dayOrMonth(
                names.days.data(), names.abbreviatedDays.data(), dayOfWeek(date.year, month, date.day), date.day, used);
            pos += used;
        } else if (letter == 'm' && run >= 1) {
            const std::size_t used = std::min<std::size_t>(run, 4);
            text += dayOrMonth(names.months.data(), names.abbreviatedMonths.data(), month - 1, date.month, used);
            pos += used;
        } else {
            text += format[pos++];
        }
    }
    return text;
}

std::string monthYearText(const finance::CivilDate& date, const RegionalSettings& settings)
{
    const std::string_view format = settings.shortDateFormat;
    std::size_t monthRun = 0;
    bool yearFirst = false;
    bool fieldSeen = false;
    char separator = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        const char c = format[pos];
        const char letter = static_cast<char>(c | 0x20);
        if (c == '\'') {
            const std::size_t end = format.find('\'', pos + 1);
            pos = end == std::string_view::npos ? format.size() : end + 1;
            continue;
        }
        if (letter == 'd' || letter == 'm' || letter == 'y') {
            const std::size_t run = runLength(format, pos, letter);
            if (letter == 'm' && monthRun == 0)
                monthRun = run;
            if (letter == 'y' && monthRun == 0)
                yearFirst = true;
            fieldSeen = true;
            pos += run;
            continue;
        }
        // The first punctuation after the first field: the "/" of m/d/yy, the "." of "dd. mmm yyyy"; the comma
        // after a day's name separates no digits.
        if (fieldSeen && separator == 0 && c != ',' && static_cast<unsigned char>(c) < 0x80
            && std::ispunct(static_cast<unsigned char>(c)))
            separator = c;
        ++pos;
    }
    const std::string month = monthRun >= 2 ? twoDigits(date.month) : std::to_string(date.month);
    const std::string year = fullYear(date.year);
    const char joint = separator == 0 ? '/' : separator;
    return yearFirst ? year + joint + month : month + joint + year;
}

std::string isoDateText(const finance::CivilDate& date)
{
    const auto digits = [](int value, std::size_t width) {
        std::string text = std::to_string(value);
        return std::string(width - std::min(width, text.size()), '0') + text;
    };
    return digits(date.year, 4) + '-' + digits(date.month, 2) + '-' + digits(date.day, 2);
}

std::optional<finance::CivilDate> isoDate(std::string_view date)
{
    const auto number = [](std::string_view part, std::size_t mostDigits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || part.size() > mostDigits || part.front() == '-' || error != std::errc {}
            || end != part.data() + part.size())
            return std::nullopt;
        return value;
    };
    const auto firstDash = date.find('-');
    const auto secondDash = firstDash == std::string_view::npos ? firstDash : date.find('-', firstDash + 1);
    const auto year = number(date.substr(0, firstDash), 4);
    const auto month = secondDash == std::string_view::npos
        ? std::nullopt
        : number(date.substr(firstDash + 1, secondDash - firstDash - 1), 2);
    const auto day = secondDash == std::string_view::npos ? std::nullopt : number(date.substr(secondDash + 1), 2);
    if (!year || !month || !day)
        return std::nullopt;
    return finance::CivilDate { *year, *month, *day };
}

} // namespace regional
