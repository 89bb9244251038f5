#pragma once

#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace regional {

using MessageArgument = std::variant<finance::Extended, std::int32_t, std::string>;

// Replaces, left to right, "%m" (money, regional decimals), "%n" (grouped, 2 decimals), "%d" (integer)
// and "%s" (text as given) with the arguments in order; "%%" is a percent sign. The arguments are
// never read as a template. A missing or mismatched argument is a programming error (std::logic_error).
std::string formatMessage(
    std::string_view templateText, std::initializer_list<MessageArgument> arguments, const RegionalSettings& settings);

} // namespace regional
