#pragma once

#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <string>

// The digit engine under every output format. Rounding happens on decimal digit strings, never on binary values:
// the binary value nearest 2.675 lies below it, yet the text the user expects is 2.68.
namespace regional::digits {

// value = (negative ? -1 : 1) * 0.d1d2d3... * 10^pointPosition, with no leading or trailing zero digits.
// Zero has no digits and is never negative.
struct DecimalDigits
{
    bool negative = false;
    std::string digits;
    int pointPosition = 0;

    bool isZero() const { return digits.empty(); }
};

// |value| to 18 significant digits (rounded to nearest), with its sign; no digits for a NaN or an infinity.
DecimalDigits eighteenDigits(finance::Extended value);

// Keeps the first `count` digits, rounding half away from zero at the digit after them. A count of 0 or less
// keeps none: the result is then zero or one unit of the place `count` digits from the first.
DecimalDigits roundToDigits(DecimalDigits number, int count);

// General form at `significantDigits`: shortest text, scientific when the rounded magnitude reaches
// 10^significantDigits or lies below 0.0001 (1E-5, 1.5E20).
std::string generalForm(finance::Extended value, int significantDigits, const RegionalSettings& settings);

// Fixed form with `decimals` decimals (zero-padded), thousands separators when `grouped`; never more than
// `significantDigits` significant digits. An integer part longer than that gives the general form.
std::string fixedForm(
    finance::Extended value, int decimals, int significantDigits, bool grouped, const RegionalSettings& settings);

// The grouped digits of |value| placed with the currency symbol by the regional positive or negative form.
std::string currencyForm(
    finance::Extended value, int decimals, int significantDigits, const RegionalSettings& settings);

} // namespace regional::digits
