// Decimal number entry on arbitrary text under any regional settings: it accepts only texts of its grammar,
// gives finite values, rejects with the text quoted as typed, and reads back what general text writes.
#include "FuzzInput.h"
#include "finance/FinanceErrors.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool onlyGrammarCharacters(std::string text, const std::string& separator)
{
    if (const auto at = text.find(separator); at != std::string::npos)
        text.erase(at, separator.size());
    return text.find_first_not_of(" +-0123456789Ee") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings settings = fuzz::settingsFrom(input);
    const std::string text = input.rest();

    finance::Extended value = 0;
    try {
        value = regional::decimalNumberEntry(text, settings);
    } catch (const finance::EConvertError& error) {
        // what() is a C string: a typed NUL ends the message there.
        const std::string expected = "'" + text + "' is not a valid floating point value";
        fuzz::require(std::strcmp(error.what(), expected.c_str()) == 0, "message quotes text", error.what());
        return 0;
    }
    fuzz::require(onlyGrammarCharacters(text, settings.decimalSeparator), "grammar characters only", text);
    fuzz::require(std::isfinite(value), "finite value", text);
    fuzz::require(value == 0 || std::fabs(value) >= LDBL_MIN, "underflow gives zero", text);

    // General text keeps 15 significant digits, so it reads back within half a unit of the 15th digit. Near
    // the bottom of the range those digits may lie below the smallest normal value, which reads as zero.
    const std::string general = regional::generalText(value, settings);
    finance::Extended back = 0;
    try {
        back = regional::decimalNumberEntry(general, settings);
    } catch (const finance::EConvertError&) {
        fuzz::fail("general text reads back", general);
    }
    const bool lostToUnderflow = back == 0 && std::fabs(value) < LDBL_MIN * 1.00000000000001L;
    fuzz::require(
        lostToUnderflow || std::fabs(back - value) <= std::fabs(value) * 5.01e-15L, "general text is near", general);
    return 0;
}
