#include "regional/DigitEngine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace regional::digits {

namespace {

// Enough for any digit the 18 significant digits can reach; keeps a caller's mistake from building huge texts.
constexpr int maxDecimals = 30;

void stripTrailingZeros(DecimalDigits& number)
{
    const auto last = number.digits.find_last_not_of('0');
    if (last == std::string::npos)
        number = DecimalDigits {};
    else
        number.digits.resize(last + 1);
}

const std::string& decimalSeparatorOf(const RegionalSettings& settings)
{
    static const std::string point = ".";
    return settings.decimalSeparator.empty() ? point : settings.decimalSeparator;
}

// The core raises errors before a NaN or an infinity could be shown; should one arrive anyway it is named
// rather than printed as digits.
std::string nonFiniteText(finance::Extended value)
{
    if (std::isnan(value))
        return "NAN";
    return std::signbit(value) ? "-INF" : "INF";
}

// |value| with bits the C++ library reads as the arithmetic does. A pseudo-denormal (exponent field 0 with the
// explicit integer bit set) is 2^-16382 x 1.f to the FPU, but std::to_chars decodes the same bits as a denormal
// 2^63 times smaller; it is rebuilt from its significand as the equal normal value.
finance::Extended magnitudeOf(finance::Extended value)
{
    const finance::Extended magnitude = std::fabs(value);
    unsigned char bytes[sizeof(finance::Extended)] = {};
    std::memcpy(bytes, &magnitude, sizeof bytes);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    const bool exponentFieldZero = bytes[8] == 0 && (bytes[9] & 0x7f) == 0;
    if (exponentFieldZero && (significand >> 63) != 0)
        return std::ldexp(static_cast<finance::Extended>(significand), -16445);
    return magnitude;
}

std::string integerDigits(const DecimalDigits& number)
{
    if (number.pointPosition <= 0)
        return "0";
    const auto length = static_cast<std::size_t>(number.pointPosition);
    std::string text = number.digits.substr(0, std::min(length, number.digits.size()));
    text.append(length - text.size(), '0');
    return text;
}

std::string fractionDigits(const DecimalDigits& number, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int index = number.pointPosition + i;
        const bool present = index >= 0 && static_cast<std::size_t>(index) < number.digits.size();
        text += present ? number.digits[static_cast<std::size_t>(index)] : '0';
    }
    return text;
}

std::string grouped(const std::string& integer, const std::string& separator)
{
    std::string text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += separator;
        text += integer[i];
    }
    return text;
}

struct FixedLayout
{
    bool negative = false;
    bool integerTooLong = false;
    std::string unsignedText;
};

FixedLayout layoutFixed(
    finance::Extended value, int decimals, int significantDigits, bool withSeparators, const RegionalSettings& settings)
{
    decimals = std::clamp(decimals, 0, maxDecimals);
    DecimalDigits number = eighteenDigits(value);
    number = roundToDigits(number, std::min(number.pointPosition + decimals, significantDigits));

    FixedLayout layout;
    if (number.pointPosition > significantDigits) {
        layout.integerTooLong = true;
        return layout;
    }
    layout.negative = number.negative;
    const std::string integer = integerDigits(number);
    layout.unsignedText = withSeparators ? grouped(integer, settings.thousandsSeparator) : integer;
    if (decimals > 0)
        layout.unsignedText += decimalSeparatorOf(settings) + fractionDigits(number, decimals);
    return layout;
}

std::string placePositive(const std::string& amount, const RegionalSettings& settings)
{
    const std::string& symbol = settings.currencySymbol;
    switch (settings.positiveCurrencyForm) {
    case 1:
        return amount + symbol;
    case 2:
        return symbol + " " + amount;
    case 3:
        return amount + " " + symbol;
    default:
        return symbol + amount;
    }
}

std::string placeNegative(const std::string& amount, const RegionalSettings& settings)
{
    const std::string& symbol = settings.currencySymbol;
    switch (settings.negativeCurrencyForm) {
    case 1:
        return "-" + symbol + amount;
    case 2:
        return symbol + "-" + amount;
    case 3:
        return symbol + amount + "-";
    case 4:
        return "(" + amount + symbol + ")";
    case 5:
        return "-" + amount + symbol;
    case 6:
        return amount + "-" + symbol;
    case 7:
        return amount + symbol + "-";
    case 8:
        return "-" + amount + " " + symbol;
    case 9:
        return "-" + symbol + " " + amount;
    case 10:
        return amount + " " + symbol + "-";
    case 11:
        return symbol + " " + amount + "-";
    case 12:
        return symbol + " -" + amount;
    case 13:
        return amount + "- " + symbol;
    case 14:
        return "(" + symbol + " " + amount + ")";
    case 15:
        return "(" + amount + " " + symbol + ")";
    default:
        return "(" + symbol + amount + ")";
    }
}

} // namespace

DecimalDigits eighteenDigits(finance::Extended value)
{
    DecimalDigits number;
    if (value == 0 || !std::isfinite(value))
        return number;
    // std::to_chars is correctly rounded and, unlike printf, never looks at the C library's locale.
    // Exactly "d.ddddddddddddddddde+X...": 18 digits, then the signed exponent from offset 20.
    char buffer[64];
    const auto written
        = std::to_chars(std::begin(buffer), std::end(buffer), magnitudeOf(value), std::chars_format::scientific, 17);
    number.digits.assign(1, buffer[0]);
    number.digits.append(buffer + 2, 17);
    int exponent = 0;
    std::from_chars(buffer + 21, written.ptr, exponent);
    if (buffer[20] == '-')
        exponent = -exponent;
    number.pointPosition = exponent + 1;
    number.negative = value < 0;
    stripTrailingZeros(number);
    return number;
}

DecimalDigits roundToDigits(DecimalDigits number, int count)
{
    if (number.isZero() || count >= static_cast<int>(number.digits.size()))
        return number;
    if (count < 0)
        return DecimalDigits {};
    const auto kept = static_cast<std::size_t>(count);
    const bool roundUp = number.digits[kept] >= '5';
    number.digits.resize(kept);
    if (roundUp) {
        std::size_t i = kept;
        while (i > 0 && number.digits[i - 1] == '9')
            number.digits[--i] = '0';
        if (i == 0) {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        } else {
            ++number.digits[i - 1];
        }
    }
    stripTrailingZeros(number);
    return number;
}

std::string generalForm(finance::Extended value, int significantDigits, const RegionalSettings& settings)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const DecimalDigits number = roundToDigits(eighteenDigits(value), significantDigits);
    if (number.isZero())
        return "0";

    const std::string& separator = decimalSeparatorOf(settings);
    const int point = number.pointPosition;
    std::string text = number.negative ? "-" : "";
    if (point > significantDigits || point < -3) {
        text += number.digits[0];
        if (number.digits.size() > 1)
            text += separator + number.digits.substr(1);
        text += 'E';
        text += std::to_string(point - 1);
    } else if (point <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-point), '0');
        text += number.digits;
    } else {
        text += integerDigits(number);
        if (number.digits.size() > static_cast<std::size_t>(point))
            text += separator + number.digits.substr(static_cast<std::size_t>(point));
    }
    return text;
}

std::string fixedForm(
    finance::Extended value, int decimals, int significantDigits, bool grouped, const RegionalSettings& settings)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const FixedLayout layout = layoutFixed(value, decimals, significantDigits, grouped, settings);
    if (layout.integerTooLong)
        return generalForm(value, significantDigits, settings);
    return (layout.negative ? "-" : "") + layout.unsignedText;
}

std::string currencyForm(finance::Extended value, int decimals, int significantDigits, const RegionalSettings& settings)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const FixedLayout layout = layoutFixed(value, decimals, significantDigits, true, settings);
    if (layout.integerTooLong)
        return generalForm(value, significantDigits, settings);
    return layout.negative ? placeNegative(layout.unsignedText, settings)
                           : placePositive(layout.unsignedText, settings);
}

} // namespace regional::digits
