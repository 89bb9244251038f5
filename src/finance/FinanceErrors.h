#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace finance {

// Base of every error the financial core raises; what() is the text the user sees.
class FinanceError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Typed text that is not a number of the expected kind.
class EConvertError final : public FinanceError
{
public:
    using FinanceError::FinanceError;
};

// A time-value function called outside its domain; the message is the function's name.
class EInvalidArgument final : public FinanceError
{
public:
    using FinanceError::FinanceError;
};

class EInvalidOp final : public FinanceError
{
public:
    EInvalidOp()
        : FinanceError("Invalid floating point operation")
    { }
};

class EZeroDivide final : public FinanceError
{
public:
    EZeroDivide()
        : FinanceError("Floating point division by zero")
    { }
};

class EOverflow final : public FinanceError
{
public:
    EOverflow()
        : FinanceError("Floating point overflow")
    { }
};

// The application error box's text for an error's message: the message, with a full stop appended when its last
// character sorts after "." (bytes compared unsigned, so that a UTF-8 character sorts after it as in UTF-16).
inline std::string errorBoxText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace finance
