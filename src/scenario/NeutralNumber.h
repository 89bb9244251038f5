#pragma once

#include "regional/RegionalSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace scenario {

// A scenario file holds the numbers typed into fields in one form whatever the regional settings, so that "6,125"
// typed under German settings opens as "6.125" under English ones: a JSON number token.
//
// The text as such a token, when it reads as a plain number in the settings it was typed in: an optional minus,
// digits without a leading zero before others, the settings' decimal separator once with digits on both sides, an
// optional exponent (which the number entry takes too), and nothing else: no blanks, no plus, no grouping, no
// currency, no percent. Its digits stay as typed ("6,50" is 6.50). None for any other text ("007", "1.000" under
// German settings, "10%", "2027-01-01", "yes"), which the file keeps as a string exactly as typed.
std::optional<std::string> neutralNumber(std::string_view typed, const regional::RegionalSettings& typedIn);

// A JSON number token as it is typed under the settings: its decimal point as their decimal separator, every digit
// as it stands ("6.50" is "6,50" under German settings).
std::string typedNumber(std::string_view token, const regional::RegionalSettings& shownIn);

} // namespace scenario
