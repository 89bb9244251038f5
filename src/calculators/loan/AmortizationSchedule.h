#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace calculators {

using finance::Extended;

// One month of a level-payment loan: what the payment splits into and what is left owing.
struct ScheduleMonth
{
    Extended interest = 0;
    Extended principal = 0;
    Extended balance = 0;
};

struct AmortizationSchedule
{
    Extended loanAmount = 0; // the balance before the first month
    Extended monthlyPayment = 0;
    std::vector<ScheduleMonth> months;
};

// The Years field holds at most three digits, so no window gives a longer term; a longer one would only
// build a schedule too large to show, for seconds or until memory runs out.
constexpr std::int32_t longestTermMonths = 999 * 12;
inline constexpr const char* termTooLongMessage = "A loan term has at most 999 years";

// A term in whole years as a month count; a count beyond 32 bits raises an "Integer overflow" error.
std::int32_t scheduleMonthCount(std::int32_t years);

// The loan a schedule is of, as the Schedule button reads the loan page.
struct ScheduleLoan
{
    Extended annualRatePercent = 0;
    std::int32_t months = 0;
    Extended loanAmount = 0;
};

// The loan page's "rate", "years" and "amount" as they stand, without checks: the Schedule button is enabled only
// by a loan that has passed them. Never a failure: a text that does not convert raises the number entry's
// EConvertError, a term beyond 32 bits of months an "Integer overflow" error, each as soon as its field is read.
std::variant<ScheduleLoan, FieldFailure> readSchedule(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// Month by month with end-of-month payments: the interest on the balance, the rest of the payment
// repays principal. Nothing is rounded, so the last balance is a residue far below a cent. Arithmetic
// errors propagate (a count of 0 divides by zero); a negative count or one beyond the longest term raises
// an error of its own.
AmortizationSchedule amortizationSchedule(Extended annualRatePercent, std::int32_t months, Extended loanAmount);

// The grid's title row and the texts of month k (counted from 1).
std::array<std::string, 4> scheduleTitles();
std::array<std::string, 4> scheduleRowTexts(
    std::int32_t month, const ScheduleMonth& figures, const regional::RegionalSettings& settings);

} // namespace calculators
