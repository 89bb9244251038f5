#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scenario {

// The length of the UTF-8 sequence that starts at `at`: 1 to 4, or 0 when the bytes there are no UTF-8 (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate or a code point above U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// The code point's UTF-8 bytes appended to the text.
void appendUtf8(std::string& text, char32_t codePoint);

} // namespace scenario
