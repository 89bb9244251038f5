// Whole number entry on arbitrary text: it accepts only blanks, a sign and decimal digits, or "$" and hex
// digits, rejects with the text quoted as typed, and reads back its own integer text.
#include "FuzzInput.h"
#include "finance/FinanceErrors.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool inGrammar(const std::string& text)
{
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string::npos)
        return false;
    if (text[pos] == '+' || text[pos] == '-')
        ++pos;
    const bool hex = pos < text.size() && text[pos] == '$';
    if (hex)
        ++pos;
    const char* digits = hex ? "0123456789abcdefABCDEF" : "0123456789";
    return pos < text.size() && text.find_first_not_of(digits, pos) == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    try {
        value = regional::wholeNumberEntry(text);
    } catch (const finance::EConvertError& error) {
        // what() is a C string: a typed NUL ends the message there.
        const std::string expected = "'" + text + "' is not a valid integer value";
        fuzz::require(std::strcmp(error.what(), expected.c_str()) == 0, "message quotes text", error.what());
        return 0;
    }
    fuzz::require(inGrammar(text), "grammar characters only", text);
    fuzz::require(value != INT32_MIN, "magnitude within 2147483647", text);
    try {
        fuzz::require(
            regional::wholeNumberEntry(regional::integerText(value)) == value, "integer text reads back", text);
    } catch (const finance::EConvertError&) {
        fuzz::fail("integer text converts", text);
    }
    return 0;
}
