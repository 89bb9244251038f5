// The schedule window's calculator on the loan page's rate, years and amount texts, read as its Schedule
// button reads them: without validation, so any typed term reaches it.
#include "CalculatorFuzz.h"
#include "calculators/loan/AmortizationSchedule.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        const finance::Extended rate = fields.decimal();
        const std::int32_t months = calculators::scheduleMonthCount(fields.whole());
        const finance::Extended amount = fields.decimal();

        const calculators::AmortizationSchedule schedule = calculators::amortizationSchedule(rate, months, amount);
        fuzz::require(schedule.months.size() == static_cast<std::size_t>(months), "one row per month");
        fuzz::requireFinite(schedule.monthlyPayment, "finite payment");
        for (const calculators::ScheduleMonth& month : schedule.months) {
            fuzz::requireFinite(month.interest, "finite interest");
            fuzz::requireFinite(month.principal, "finite principal");
            fuzz::requireFinite(month.balance, "finite balance");
        }
        // The first and last rows as the grid shows them.
        for (const std::int32_t row : { 1, months }) {
            const auto texts = calculators::scheduleRowTexts(
                row, schedule.months[static_cast<std::size_t>(row - 1)], fields.settings());
            for (const std::string& text : texts)
                fuzz::requireText(text, "row text");
        }
    });
}
