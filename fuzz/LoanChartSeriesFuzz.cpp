// The loan chart's series on the schedule and prepayment analysis of arbitrary loan, extra payment and
// start month texts, and its axis ticks on arbitrary ranges and counts.
#include "CalculatorFuzz.h"
#include "calculators/loan/LoanChartSeries.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        // The axes first: they take whatever range the series span.
        const finance::Extended lowest = fields.decimal();
        const finance::Extended highest = fields.decimal();
        for (const calculators::AxisTick& tick : calculators::moneyTicks(lowest, highest, fields.settings())) {
            fuzz::requireFinite(tick.value, "finite tick");
            fuzz::requireText(tick.label, "tick label");
        }
        const std::int32_t count = fields.whole();
        fuzz::require(calculators::monthTickStep(count) >= 1, "a month step of at least one");
        fuzz::require(calculators::labelledYears(count).size() <= 11, "at most ten labelled multiples");

        calculators::PrepaymentInput prepayment;
        prepayment.annualRatePercent = fields.decimal();
        prepayment.years = fields.whole();
        prepayment.loanAmount = fields.decimal();
        prepayment.extraPayment = fields.decimal();
        prepayment.startMonth = fields.whole();
        const std::int32_t months = calculators::scheduleMonthCount(prepayment.years);
        const calculators::AmortizationSchedule schedule
            = calculators::amortizationSchedule(prepayment.annualRatePercent, months, prepayment.loanAmount);
        fuzz::require(calculators::isSameLoan(prepayment, prepayment.annualRatePercent, months, prepayment.loanAmount),
            "the same loan");

        const calculators::LoanChartData chart
            = calculators::loanChartData(schedule, calculators::prepaymentBalances(prepayment));
        fuzz::require(chart.balance.size() == schedule.months.size() + 1, "a balance per month and the start");
        for (const finance::Extended balance : chart.balance)
            fuzz::requireFinite(balance, "finite balance");
        // Month 0 is the loan amount, as on the schedule's line; no month after it shows debt below zero.
        for (std::size_t month = 1; month < chart.prepaidBalance.size(); ++month)
            fuzz::require(std::isfinite(chart.prepaidBalance[month]) && chart.prepaidBalance[month] >= 0,
                "finite prepaid balance, no debt below zero");
        for (const calculators::YearPaid& year : chart.years) {
            fuzz::requireFinite(year.principal, "finite yearly principal");
            fuzz::requireFinite(year.interest, "finite yearly interest");
        }
    });
}
