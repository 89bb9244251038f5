#pragma once

#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <limits>
#include <string>
#include <string_view>

namespace calculators {

using finance::Extended;

// How a field's text is read.
enum class Reading {
    Decimal,
    Whole,
    // A whole number that the decimal rules read as well: no hexadecimal, no trailing blank.
    WholeAndDecimal,
};

// One check of a calculator's field: the field fails when its text is empty, does not convert, or its value lies
// outside the accepted range. A calculator's checks are a table that its reader runs in order (readFields), so
// that the window and the command line, which both call the reader, refuse the same texts with the same messages;
// the command line's help tells what a field accepts from the same table (acceptedText).
struct FieldCheck
{
    // The field as the command line's option names it ("rate"); each window says which control holds it.
    std::string_view field;
    Reading reading = Reading::Decimal;
    // The accepted range, both ends included.
    Extended low = -std::numeric_limits<Extended>::infinity();
    Extended high = std::numeric_limits<Extended>::infinity();
    std::string_view message;
    // Shown instead of message when the text does not convert; empty: message is shown.
    std::string_view notANumberMessage = {};
    // A lower bound that is the value of a field checked before this one, read as that field's check reads it:
    // the value must lie above it, or reach it where boundIncluded.
    std::string_view boundField = {};
    bool boundIncluded = false;
};

// The accepted values in a few words, for a help text: "1 to 30", "at least 2", "a whole number above --age".
std::string acceptedText(const FieldCheck& check);

} // namespace calculators
