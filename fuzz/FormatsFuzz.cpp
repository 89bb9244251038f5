// Every named format on any 80-bit pattern under any regional settings: never an empty text, and fixed text
// with N decimals read back by decimal entry lies within half a unit of its last place of the value.
#include "FuzzInput.h"
#include "finance/FinanceErrors.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings settings = fuzz::settingsFrom(input);
    const int decimals = input.byte() % 3;
    const std::int32_t integer = input.int32();
    const finance::Extended value = input.extendedBits();

    const std::string fixed = regional::fixedText(value, decimals, settings);
    const std::string texts[] = {
        regional::moneyText(value, settings),
        regional::wholeMoneyText(value, settings),
        fixed,
        regional::groupedText(value, settings),
        regional::generalText(value, settings),
        regional::integerText(integer),
    };
    for (const std::string& text : texts)
        fuzz::require(!text.empty(), "no empty text");
    if (!std::isfinite(value))
        return 0;

    // 15 significant digits at most: beyond them a unit of the last place is 1e-14 of the value or less.
    // The digits are first taken to 18 significant digits, which may move a tie by 1e-17 of the value.
    const finance::Extended magnitude = std::fabs(value);
    const finance::Extended halfUnit
        = 0.5L * std::max(std::pow(10.0L, -decimals), magnitude * 1e-14L) + magnitude * 2e-17L;
    const std::string general = regional::generalText(value, settings);
    try {
        const finance::Extended back = regional::decimalNumberEntry(fixed, settings);
        fuzz::require(std::fabs(back - value) <= halfUnit, "fixed text within half a unit", fixed);
        // General text keeps 15 significant digits; below the smallest normal value entry reads zero.
        const finance::Extended generalBack = regional::decimalNumberEntry(general, settings);
        fuzz::require(std::fabs(generalBack - value) <= magnitude * 5.01e-15L
                || (generalBack == 0 && magnitude < LDBL_MIN * 1.00000000000001L),
            "general text within half a unit of its 15th digit", general);
    } catch (const finance::EConvertError&) {
        fuzz::fail("fixed and general text convert", fixed + " " + general);
    }
    return 0;
}
