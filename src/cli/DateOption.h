#pragma once

#include "cli/Subcommand.h"

#include <string>
#include <string_view>

namespace cli {

// The text of a first payment option as given, year-month-day in digits whatever the locale ("2027-01-01"); the
// first day of the month after today's when it is left out. The calculator's reader reads it.
std::string firstPaymentText(const Given& given, std::string_view option, const Context& context);

} // namespace cli
