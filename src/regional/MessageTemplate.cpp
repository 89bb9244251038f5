#include "regional/MessageTemplate.h"

#include "regional/DigitEngine.h"

#include <cstddef>
#include <stdexcept>

namespace regional {

namespace {

constexpr int templateSignificantDigits = 18;

template <typename T>
const T& argumentAs(const MessageArgument& argument, char placeholder)
{
    const T* value = std::get_if<T>(&argument);
    if (value == nullptr)
        throw std::logic_error(std::string("message template: wrong argument type for %") + placeholder);
    return *value;
}

} // namespace

std::string formatMessage(
    std::string_view templateText, std::initializer_list<MessageArgument> arguments, const RegionalSettings& settings)
{
    std::string text;
    auto next = arguments.begin();
    const auto takeArgument = [&](char placeholder) -> const MessageArgument& {
        if (next == arguments.end())
            throw std::logic_error(std::string("message template: no argument for %") + placeholder);
        return *next++;
    };

    for (std::size_t i = 0; i < templateText.size(); ++i) {
        const char c = templateText[i];
        const char placeholder = c == '%' && i + 1 < templateText.size() ? templateText[i + 1] : '\0';
        switch (placeholder) {
        case 'm':
            text += digits::currencyForm(argumentAs<finance::Extended>(takeArgument('m'), 'm'), settings.moneyDecimals,
                templateSignificantDigits, settings);
            break;
        case 'n':
            text += digits::fixedForm(
                argumentAs<finance::Extended>(takeArgument('n'), 'n'), 2, templateSignificantDigits, true, settings);
            break;
        case 'd':
            text += std::to_string(argumentAs<std::int32_t>(takeArgument('d'), 'd'));
            break;
        case 's':
            text += argumentAs<std::string>(takeArgument('s'), 's');
            break;
        case '%':
            text += '%';
            break;
        default:
            // Not a placeholder: the percent sign stands for itself.
            text += c;
            continue;
        }
        ++i;
    }
    if (next != arguments.end())
        throw std::logic_error("message template: more arguments than placeholders");
    return text;
}

} // namespace regional
