#pragma once

// A calculator run on arbitrary field texts, read the way its page reads them.
#include "FuzzInput.h"
#include "finance/FinanceErrors.h"
#include "regional/NumberEntry.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A page's fields: each line of the input is one field's text, read by decimal or whole number entry
// under regional settings chosen by the input. Text that does not convert raises EConvertError, as it
// does inside the page's validation step. No range is checked: the calculators must stand any value.
class PageFields
{
public:
    PageFields(const std::uint8_t* data, std::size_t size)
        : m_input(data, size)
        , m_settings(settingsFrom(m_input))
    { }

    std::uint8_t choice() { return m_input.byte(); }
    finance::Extended decimal() { return regional::decimalNumberEntry(text(), m_settings); }
    std::int32_t whole() { return regional::wholeNumberEntry(text()); }
    const std::string& text()
    {
        m_lastText = m_input.line();
        return m_lastText;
    }
    // The text of the field read last, as typed.
    const std::string& lastText() const { return m_lastText; }
    const regional::RegionalSettings& settings() const { return m_settings; }

private:
    FuzzInput m_input;
    regional::RegionalSettings m_settings;
    std::string m_lastText;
};

// Runs one calculation: it either returns its results or raises one of the core's errors. Any other
// exception escapes to libFuzzer, which reports it as a crash with the input that caused it.
template <typename Calculation>
int calculate(const std::uint8_t* data, std::size_t size, Calculation calculation)
{
    PageFields fields(data, size);
    try {
        calculation(fields);
    } catch (const finance::FinanceError&) { }
    return 0;
}

// Runs a step that must not raise any of the core's errors, such as a calculation on input its reader accepted:
// an error breaks the property named, with the error's message.
template <typename Step>
auto withoutError(const char* property, Step step) -> decltype(step())
{
    try {
        return step();
    } catch (const finance::FinanceError& error) {
        fail(property, error.what());
    }
}

inline void requireFinite(finance::Extended value, const char* what)
{
    require(std::isfinite(value), what);
}

inline void requireText(const std::string& text, const char* what)
{
    require(!text.empty(), what);
}

} // namespace fuzz
