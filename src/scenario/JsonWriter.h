#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// JSON written for people to read as well: one member or item a line, indented by two blanks a level, an empty
// object or array as {} or [], and a line feed at the end.
class JsonWriter final
{
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // An object's member: its key, then its value.
    void key(std::string_view name);
    void string(std::string_view text);
    // A number token as it is to stand, such as "6.125".
    void number(std::string_view token);

    // The text written; every object and array is closed by then.
    std::string text() const { return written + '\n'; }

private:
    std::string written;
    std::vector<bool> levelHasItems; // one per open object or array
    bool afterKey = false;

    void beforeValue();
    void open(char bracket);
    void close(char bracket);
};

// The text as a JSON string in double quotes: quotes, backslashes and control characters escaped, other
// characters as they are, and bytes that are no UTF-8 as U+FFFD so that the file stays readable.
std::string jsonQuoted(std::string_view text);

} // namespace scenario
