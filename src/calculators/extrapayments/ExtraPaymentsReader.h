#pragma once

#include "calculators/CsvText.h"
#include "calculators/extrapayments/ExtraPaymentsPlan.h"
#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "regional/RegionalSettings.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace calculators {

// The planner's fields by the names its failures give them, in the order they are read. Both columns of the
// one-time table are "once"; a failure there names the cell, the payment number in column 0, the amount in 1.
namespace plannerFields {
inline constexpr std::string_view rate = "rate", years = "years", amount = "amount", firstPayment = "first-payment",
                                  monthlyExtra = "extra", monthlyFrom = "from", monthlyThrough = "through",
                                  yearlyExtra = "yearly", yearlyMonth = "yearly-month", yearlyFrom = "yearly-from",
                                  oneTime = "once", everyTwoWeeks = "every-two-weeks";
} // namespace plannerFields

// The keys of a one-time extra's cells, the columns 0 and 1 of a failure's cell.
namespace oneTimeKeys {
inline constexpr std::string_view payment = "payment", amount = "amount";
} // namespace oneTimeKeys

// What a planner field accepts in a few words, for a help text, made from the same limits as its checks:
// "0 to 30, at most 4 decimals".
std::string plannerAcceptedText(std::string_view field);

// The planner's fields as typed, each under the caption the window shows it with, in the window's order: what
// its CSV begins with. Each one-time extra is two records, its payment number and its amount.
std::vector<CsvInput> plannerInputsAsTyped(const FieldTexts& texts);

// The warning when one more one-time extra would pass the limit.
std::string tooManyOneTimeExtrasMessage();

// The planner's reader: its fields by name as typed, the first payment date as year-month-day ("2027-01-01"), the
// month of the yearly extra a whole number (its first payment's month when empty), the one-time extras as rows of
// "payment" and "amount", half payments every two weeks "yes" or "no" (empty). The date's form first, then
// each field in the window's order, exactly: a rate of at most 4 decimals, money of at most 2.
std::variant<ExtraPaymentsInput, FieldFailure> readExtraPayments(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

} // namespace calculators
