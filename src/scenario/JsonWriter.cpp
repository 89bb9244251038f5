#include "scenario/JsonWriter.h"

#include "scenario/Utf8.h"

#include <cstddef>

namespace scenario {

void JsonWriter::beforeValue()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (levelHasItems.empty())
        return;
    if (levelHasItems.back())
        written += ',';
    levelHasItems.back() = true;
    written += '\n';
    written.append(2 * levelHasItems.size(), ' ');
}

void JsonWriter::key(std::string_view name)
{
    beforeValue();
    written += jsonQuoted(name);
    written += ": ";
    afterKey = true;
}

void JsonWriter::string(std::string_view text)
{
    beforeValue();
    written += jsonQuoted(text);
}

void JsonWriter::number(std::string_view token)
{
    beforeValue();
    written += token;
}

void JsonWriter::open(char bracket)
{
    beforeValue();
    written += bracket;
    levelHasItems.push_back(false);
}

void JsonWriter::close(char bracket)
{
    const bool hadItems = levelHasItems.back();
    levelHasItems.pop_back();
    if (hadItems) {
        written += '\n';
        written.append(2 * levelHasItems.size(), ' ');
    }
    written += bracket;
}

std::string jsonQuoted(std::string_view text)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (byte < 0x20) {
            quoted += "\\u00";
            quoted += hexDigits[byte >> 4];
            quoted += hexDigits[byte & 0xF];
        } else if (const std::size_t length = utf8SequenceLength(text, i); length > 1) {
            quoted.append(text.substr(i, length));
            i += length;
            continue;
        } else if (length == 0) {
            quoted += "\xEF\xBF\xBD";
        } else {
            quoted += c;
        }
        ++i;
    }
    return quoted + '"';
}

} // namespace scenario
