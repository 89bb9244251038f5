// Message templates with arbitrary "%s" texts (as typed, percent signs included) and any numbers: the
// arguments are copied as given, never read as placeholders.
#include "FuzzInput.h"
#include "regional/MessageTemplate.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const regional::RegionalSettings settings = fuzz::settingsFrom(input);
    const finance::Extended money = input.extendedBits();
    const finance::Extended number = input.extendedBits();
    const std::int32_t whole = input.int32();
    const std::string first = input.line();
    const std::string second = input.rest();

    const auto format = [&settings](std::string_view text, std::initializer_list<regional::MessageArgument> args) {
        return regional::formatMessage(text, args, settings);
    };
    fuzz::require(format("'%s' is not a valid floating point value", { first })
            == "'" + first + "' is not a valid floating point value",
        "text quoted as given", first);
    fuzz::require(format("%s%s", { first, second }) == first + second, "texts side by side", second);

    // Each number is formatted alone, then the whole template must be those pieces and the texts verbatim.
    const std::string expected = format("%m", { money }) + " " + first + " 100%% " + format("%n", { number }) + "|"
        + second + "|" + format("%d", { whole });
    fuzz::require(format("%m %s 100%%%% %n|%s|%d", { money, first, number, second, whole }) == expected,
        "numbers and texts in order", second);
    return 0;
}
