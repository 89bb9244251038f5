#include "regional/NumberEntry.h"

#include "finance/FinanceErrors.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <new>
#include <optional>
#include <string>

namespace regional {

namespace {

constexpr int exponentLimit = 500;
constexpr std::int64_t wholeNumberLimit = 2147483647;
constexpr std::int64_t fixedPointLimit = 999999999999999999;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of a digit in base 10 or 16 (either case), -1 for any other character.
int digitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The typed text is quoted as data, never used as a format.
[[noreturn]] void rejectDecimal(std::string_view text)
{
    throw finance::EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void rejectWhole(std::string_view text)
{
    throw finance::EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// strtold follows the C library's locale, which the GUI toolkit sets from the environment; text that has
// passed our own grammar is converted in the "C" locale.
locale_t classicLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t {});
    if (locale == locale_t {})
        throw std::bad_alloc();
    return locale;
}

class Cursor
{
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    { }

    bool atEnd() const { return m_pos == m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    bool accept(char c)
    {
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    bool accept(std::string_view prefix)
    {
        if (prefix.empty() || !m_text.substr(m_pos).starts_with(prefix))
            return false;
        m_pos += prefix.size();
        return true;
    }
    void skipSpaces()
    {
        while (accept(' ')) { }
    }
    std::string_view digits()
    {
        const std::size_t start = m_pos;
        while (!atEnd() && isDigit(m_text[m_pos]))
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }
    void advance() { ++m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The parts of a text that passes the decimal number entry grammar.
struct DecimalParts
{
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    int exponent = 0;
};

DecimalParts decimalParts(std::string_view text, const RegionalSettings& settings)
{
    DecimalParts parts;
    Cursor cursor(text);
    cursor.skipSpaces();
    if (cursor.accept('-'))
        parts.negative = true;
    else
        cursor.accept('+');

    parts.integerDigits = cursor.digits();
    const bool hasSeparator = cursor.accept(std::string_view(settings.decimalSeparator));
    parts.fractionDigits = hasSeparator ? cursor.digits() : std::string_view();
    if (parts.integerDigits.empty() && !hasSeparator)
        rejectDecimal(text);

    if (cursor.accept('E') || cursor.accept('e')) {
        bool negativeExponent = false;
        if (cursor.accept('-'))
            negativeExponent = true;
        else
            cursor.accept('+');
        while (isDigit(cursor.peek()) && parts.exponent < exponentLimit) {
            parts.exponent = parts.exponent * 10 + (cursor.peek() - '0');
            cursor.advance();
        }
        if (isDigit(cursor.peek()))
            rejectDecimal(text);
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    cursor.skipSpaces();
    if (!cursor.atEnd())
        rejectDecimal(text);
    return parts;
}

} // namespace

finance::Extended decimalNumberEntry(std::string_view text, const RegionalSettings& settings)
{
    const DecimalParts parts = decimalParts(text, settings);
    std::string normalised = parts.negative ? "-" : "";
    normalised += parts.integerDigits.empty() ? std::string_view("0") : parts.integerDigits;
    normalised += '.';
    normalised += parts.fractionDigits;
    normalised += 'e';
    normalised += std::to_string(parts.exponent);

    char* end = nullptr;
    const finance::Extended value = strtold_l(normalised.c_str(), &end, classicLocale());
    if (end != normalised.c_str() + normalised.size() || std::isinf(value))
        rejectDecimal(text);
    // Underflow gives zero, as everywhere in the core; so does a typed "-0".
    if (std::fabs(value) < LDBL_MIN)
        return 0;
    return value;
}

std::optional<std::int64_t> fixedPointEntry(std::string_view text, int decimals, const RegionalSettings& settings)
{
    decimalNumberEntry(text, settings); // refuses what the decimal entry refuses, with its error
    const DecimalParts parts = decimalParts(text, settings);
    const std::string digits = std::string(parts.integerDigits) + std::string(parts.fractionDigits);
    // The digits at and after `cut` are below the last decimal kept; every one of them must be a zero.
    const std::int64_t cut
        = std::int64_t { static_cast<std::int64_t>(parts.integerDigits.size()) } + parts.exponent + decimals;
    std::int64_t units = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digits[i] - '0';
        if (static_cast<std::int64_t>(i) >= cut) {
            if (digit != 0)
                return std::nullopt;
            continue;
        }
        if (units > (fixedPointLimit - digit) / 10)
            return std::nullopt;
        units = units * 10 + digit;
    }
    // Whole digits the exponent moves before the point are zeros appended to the units.
    for (std::int64_t i = static_cast<std::int64_t>(digits.size()); i < cut && units != 0; ++i) {
        if (units > fixedPointLimit / 10)
            return std::nullopt;
        units *= 10;
    }
    return parts.negative ? -units : units;
}

std::int32_t wholeNumberEntry(std::string_view text)
{
    Cursor cursor(text);
    cursor.skipSpaces();
    const bool negative = cursor.accept('-');
    if (!negative)
        cursor.accept('+');
    const int base = cursor.accept('$') ? 16 : 10;

    std::int64_t magnitude = 0;
    bool anyDigit = false;
    for (; !cursor.atEnd(); cursor.advance()) {
        const int digit = digitValue(cursor.peek(), base);
        if (digit < 0)
            rejectWhole(text);
        magnitude = magnitude * base + digit;
        if (magnitude > wholeNumberLimit)
            rejectWhole(text);
        anyDigit = true;
    }
    if (!anyDigit)
        rejectWhole(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace regional
