#include "scenario/JsonReader.h"

#include "scenario/Utf8.h"

#include <cstddef>
#include <set>
#include <utility>

namespace scenario {

namespace {

// Thrown at the first fault and caught by readJson: the reader's position says where.
struct Refusal
{
    std::string what;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Reader
{
public:
    explicit Reader(std::string_view text)
        : text(text)
    { }

    JsonValue document()
    {
        JsonValue value = valueHere(0);
        skipBlanks();
        if (pos < text.size())
            throw Refusal { "the text goes on after the end of the JSON value" };
        return value;
    }

    std::size_t position() const { return pos; }

private:
    std::string_view text;
    std::size_t pos = 0;

    char peek() const { return pos < text.size() ? text[pos] : '\0'; }
    bool atEnd() const { return pos >= text.size(); }

    void skipBlanks()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++pos;
    }

    void expect(char c, const char* what)
    {
        skipBlanks();
        if (peek() != c)
            throw Refusal { what };
        ++pos;
    }

    JsonValue valueHere(int depth)
    {
        skipBlanks();
        if (atEnd())
            throw Refusal { "a value is expected" };
        const char c = peek();
        if (c == '{' || c == '[') {
            if (depth >= maxJsonDepth)
                throw Refusal { "objects and arrays are nested deeper than " + std::to_string(maxJsonDepth)
                    + " levels" };
            return c == '{' ? object(depth + 1) : array(depth + 1);
        }
        JsonValue value;
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = string();
        } else if (c == '-' || isDigit(c)) {
            value.kind = JsonValue::Kind::Number;
            value.text = number();
        } else if (word("true")) {
            value.kind = JsonValue::Kind::True;
        } else if (word("false")) {
            value.kind = JsonValue::Kind::False;
        } else if (word("null")) {
            value.kind = JsonValue::Kind::Null;
        } else {
            throw Refusal { "a value is expected" };
        }
        return value;
    }

    bool word(std::string_view name)
    {
        if (text.substr(pos, name.size()) != name)
            return false;
        pos += name.size();
        return true;
    }

    JsonValue object(int depth)
    {
        ++pos;
        JsonValue value;
        value.kind = JsonValue::Kind::Object;
        std::set<std::string, std::less<>> keys;
        skipBlanks();
        if (peek() == '}') {
            ++pos;
            return value;
        }
        for (;;) {
            skipBlanks();
            if (peek() != '"')
                throw Refusal { "a key in double quotes is expected" };
            const std::size_t keyAt = pos;
            std::string key = string();
            if (!keys.insert(key).second) {
                pos = keyAt;
                throw Refusal { "the key \"" + key + "\" is given twice in one object" };
            }
            expect(':', "a colon is expected after the key");
            JsonValue member = valueHere(depth);
            value.members.push_back({ std::move(key), std::move(member) });
            skipBlanks();
            if (peek() == '}') {
                ++pos;
                return value;
            }
            expect(',', "a comma or } is expected");
        }
    }

    JsonValue array(int depth)
    {
        ++pos;
        JsonValue value;
        value.kind = JsonValue::Kind::Array;
        skipBlanks();
        if (peek() == ']') {
            ++pos;
            return value;
        }
        for (;;) {
            value.items.push_back(valueHere(depth));
            skipBlanks();
            if (peek() == ']') {
                ++pos;
                return value;
            }
            expect(',', "a comma or ] is expected");
        }
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, kept as written.
    std::string number()
    {
        const std::size_t start = pos;
        const auto digits = [this] {
            const std::size_t from = pos;
            while (isDigit(peek()))
                ++pos;
            if (pos == from)
                throw Refusal { "a number needs a digit here" };
        };
        if (peek() == '-')
            ++pos;
        if (peek() == '0') {
            ++pos;
            if (isDigit(peek()))
                throw Refusal { "a number does not begin with 0 followed by digits" };
        } else {
            digits();
        }
        if (peek() == '.') {
            ++pos;
            digits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos;
            if (peek() == '+' || peek() == '-')
                ++pos;
            digits();
        }
        return std::string(text.substr(start, pos - start));
    }

    char32_t hexQuad()
    {
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexValue(peek());
            if (digit < 0)
                throw Refusal { "\\u is followed by four hexadecimal digits" };
            value = value * 16 + static_cast<char32_t>(digit);
            ++pos;
        }
        return value;
    }

    // After the backslash and the u: one code point, a surrogate pair joined.
    char32_t unicodeEscape()
    {
        const std::size_t start = pos - 2;
        const char32_t first = hexQuad();
        if (first >= 0xDC00 && first <= 0xDFFF) {
            pos = start;
            throw Refusal { "a low surrogate stands without a high one before it" };
        }
        if (first < 0xD800 || first > 0xDBFF)
            return first;
        if (text.substr(pos, 2) != "\\u") {
            pos = start;
            throw Refusal { "a high surrogate stands without a low one after it" };
        }
        pos += 2;
        const char32_t second = hexQuad();
        if (second < 0xDC00 || second > 0xDFFF) {
            pos = start;
            throw Refusal { "a high surrogate stands without a low one after it" };
        }
        return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }

    std::string string()
    {
        ++pos;
        std::string value;
        for (;;) {
            if (atEnd())
                throw Refusal { "the string is not closed" };
            const char c = peek();
            if (c == '"') {
                ++pos;
                return value;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                throw Refusal { "a control character stands in a string unescaped" };
            if (c == '\\') {
                ++pos;
                escape(value);
                continue;
            }
            const std::size_t length = utf8SequenceLength(text, pos);
            if (length == 0)
                throw Refusal { "bytes that are not UTF-8 stand in a string" };
            value.append(text.substr(pos, length));
            pos += length;
        }
    }

    void escape(std::string& value)
    {
        const char c = peek();
        ++pos;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            value += c;
            return;
        case 'b':
            value += '\b';
            return;
        case 'f':
            value += '\f';
            return;
        case 'n':
            value += '\n';
            return;
        case 'r':
            value += '\r';
            return;
        case 't':
            value += '\t';
            return;
        case 'u':
            appendUtf8(value, unicodeEscape());
            return;
        default:
            --pos;
            throw Refusal { "a backslash is followed by a letter no escape has" };
        }
    }
};

// The line and column of a byte, in characters: a UTF-8 sequence is one column.
JsonError errorAt(std::string_view text, std::size_t position, std::string what)
{
    JsonError error { std::move(what) };
    for (std::size_t i = 0; i < position && i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++error.line;
            error.column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++error.column;
        }
    }
    return error;
}

} // namespace

std::variant<JsonValue, JsonError> readJson(std::string_view text)
{
    Reader reader(text);
    try {
        return reader.document();
    } catch (Refusal& refusal) {
        return errorAt(text, reader.position(), std::move(refusal.what));
    }
}

} // namespace scenario
