// Feeds arbitrary text to both number-entry rules and to the formats of whatever converts: entry may only
// accept a value or raise EConvertError, and every accepted value must format and read back.
#include "FinanceErrors.h"
#include "Formats.h"
#include "NumberEntry.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const finance::RegionalSettings unitedStates;

void checkDecimal(std::string_view text)
{
    finance::Extended value = 0;
    try {
        value = finance::decimalNumberEntry(text, unitedStates);
    } catch (const finance::EConvertError&) {
        return;
    }
    // A value that converts is finite, and its general text converts again.
    (void)finance::moneyText(value, unitedStates);
    (void)finance::fixedText(value, 2, unitedStates);
    const std::string general = finance::generalText(value, unitedStates);
    try {
        (void)finance::decimalNumberEntry(general, unitedStates);
    } catch (const finance::EConvertError&) {
        std::abort();
    }
}

void checkWhole(std::string_view text)
{
    try {
        (void)finance::integerText(finance::wholeNumberEntry(text));
    } catch (const finance::EConvertError&) { }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDecimal(text);
    checkWhole(text);
    return 0;
}
