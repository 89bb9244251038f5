#pragma once

// What the fuzz targets share: reading typed values out of the fuzzer's bytes, the regional settings they run
// under, and a loud stop when a property fails.
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

// Reports a broken property with the text that broke it, then aborts so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* property, std::string_view text = {})
{
    std::fprintf(stderr, "property broken: %s [%.*s]\n", property, static_cast<int>(text.size()), text.data());
    std::abort();
}

inline void require(bool holds, const char* property, std::string_view text = {})
{
    if (!holds)
        fail(property, text);
}

// Consumes the fuzzer's bytes from the front; once they run out every read gives zeros or empty text.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    { }

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    std::int32_t int32()
    {
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = bits << 8 | byte();
        std::int32_t value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Any of the 2^80 bit patterns of an extended value, including NaNs, infinities, denormals,
    // pseudo-denormals and unnormals (the x87 encodings with an explicit integer bit that disagrees
    // with the exponent).
    finance::Extended extendedBits()
    {
        unsigned char bytes[sizeof(finance::Extended)] = {};
        for (int i = 0; i < 10; ++i)
            bytes[i] = byte();
        finance::Extended value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Text up to the next line feed (dropped) or the end of the input: one field as typed.
    std::string line()
    {
        std::string text;
        while (m_pos < m_size && m_data[m_pos] != '\n')
            text += static_cast<char>(m_data[m_pos++]);
        if (m_pos < m_size)
            ++m_pos;
        return text;
    }

    std::string rest()
    {
        std::string text(reinterpret_cast<const char*>(m_data) + m_pos, m_size - m_pos);
        m_pos = m_size;
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Regional settings chosen by two bytes: the separators of a real locale (multi-byte ones included), then
// one of the 4 positive and 16 negative currency placements.
inline regional::RegionalSettings settingsFrom(FuzzInput& input)
{
    struct Separators
    {
        const char* symbol;
        const char* thousands;
        const char* decimal;
        int moneyDecimals;
    };
    static constexpr Separators kinds[] = {
        { "$", ",", ".", 2 }, // United States
        { "€", ".", ",", 2 }, // Germany
        { "CHF", "’", ".", 2 }, // Switzerland, a multi-byte thousands separator
        { "kr", "\u00a0", ",", 2 }, // Sweden, a no-break space between groups
        { "¥", ",", ".", 0 }, // Japan, no money decimals
        { "د.إ", "٬", "٫", 3 }, // Arabic digits' separators, multi-byte decimal separator
    };
    constexpr int kindCount = sizeof kinds / sizeof kinds[0];
    const Separators& kind = kinds[input.byte() % kindCount];
    const std::uint8_t forms = input.byte();
    regional::RegionalSettings settings;
    settings.currencySymbol = kind.symbol;
    settings.thousandsSeparator = kind.thousands;
    settings.decimalSeparator = kind.decimal;
    settings.moneyDecimals = kind.moneyDecimals;
    settings.positiveCurrencyForm = forms % 4;
    settings.negativeCurrencyForm = forms / 4 % 16;
    return settings;
}

} // namespace fuzz
