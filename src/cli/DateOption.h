#pragma once

#include "cli/Subcommand.h"
#include "finance/ShortDate.h"

#include <string_view>

namespace cli {

// The date of a first payment option, written year-month-day in digits whatever the locale ("2027-01-01"); the
// first day of the month after today's when it is left out. A date not written so is refused; whether the day is
// in the calendar is the calculator's check.
finance::CivilDate firstPaymentOption(const Given& given, std::string_view option, const Context& context);

} // namespace cli
