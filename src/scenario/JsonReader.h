#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace scenario {

struct JsonMember;

// A JSON value as read. A number keeps its token exactly as written ("6.50", "1e5"), never a binary value, so that
// the digits a user typed come back as typed.
struct JsonValue
{
    enum class Kind {
        Null,
        False,
        True,
        Number,
        String,
        Array,
        Object,
    };
    Kind kind = Kind::Null;
    std::string text; // a string's text, a number's token
    std::vector<JsonValue> items; // an array's values
    std::vector<JsonMember> members; // an object's members, in the order written, no key twice
};

struct JsonMember
{
    std::string key;
    JsonValue value;
};

// Where the text stops being JSON, and why: "a comma or } is expected", at a line and column counted from 1 in
// characters.
struct JsonError
{
    std::string what;
    int line = 1;
    int column = 1;
};

// Objects nested in arrays in objects: no saved file goes deeper than a few levels.
inline constexpr int maxJsonDepth = 64;

// Strict RFC 8259 JSON: one value with blanks around it; strings of UTF-8 with every escape, \u surrogate pairs
// joined; no lone surrogate, no key twice in an object, no nesting deeper than maxJsonDepth.
std::variant<JsonValue, JsonError> readJson(std::string_view text);

} // namespace scenario
