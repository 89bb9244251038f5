#pragma once

#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/Prepayment.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace calculators {

// What one year of the loan paid: months 12 (year - 1) + 1 to 12 year, the last year possibly shorter.
struct YearPaid
{
    std::int32_t year = 0;
    Extended principal = 0;
    Extended interest = 0;
};

// The figures the loan chart draws, all taken from the schedule and the prepayment analysis.
struct LoanChartData
{
    std::vector<Extended> balance; // index = month; month 0 holds the loan amount
    std::vector<Extended> prepaidBalance; // the same with the extra payments, or empty
    std::vector<YearPaid> years;
    std::optional<std::int32_t> crossoverMonth; // the first month that repays more principal than interest
};

// The chart of a schedule, and of the balances the prepayment analysis ran through for the same loan
// (empty when there is none). The month that ends the analysis may overpay; the chart shows no debt below
// zero.
LoanChartData loanChartData(const AmortizationSchedule& schedule, const std::vector<Extended>& prepaidBalances);

// Whether a prepayment analysis was made for this loan: the same rate, month count and amount.
bool isSameLoan(
    const PrepaymentInput& prepayment, Extended annualRatePercent, std::int32_t months, Extended loanAmount);

// The name of the balance with the extra payments: "Paying $100.00 more from month 13".
std::string prepaidBalanceName(const PrepaymentInput& prepayment, const regional::RegionalSettings& settings);

// A labelled mark on a chart axis.
struct AxisTick
{
    Extended value = 0;
    std::string label;
};

// Ticks 1, 2 or 5 times a power of ten apart (a cent at least), from zero or below the lowest value to
// zero or above the highest, at most six steps, labelled as money: whole money where the step is whole.
std::vector<AxisTick> moneyTicks(Extended lowest, Extended highest, const regional::RegionalSettings& settings);

// The distance between month marks: whole years once the term reaches two years, at most six steps.
std::int32_t monthTickStep(std::int32_t months);

// The years that carry a label under the yearly bars: the first year and every multiple of a step of
// 1, 2 or 5 times a power of ten, at most ten multiples.
std::vector<std::int32_t> labelledYears(std::int32_t years);

} // namespace calculators
