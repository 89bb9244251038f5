#include "calculators/loan/AmortizationSchedule.h"

#include "finance/CheckedMath.h"
#include "finance/FinanceErrors.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <cstddef>
#include <limits>

namespace calculators {

std::int32_t scheduleMonthCount(std::int32_t years)
{
    const std::int64_t months = static_cast<std::int64_t>(years) * 12;
    if (months > std::numeric_limits<std::int32_t>::max() || months < std::numeric_limits<std::int32_t>::min())
        throw finance::FinanceError("Integer overflow");
    return static_cast<std::int32_t>(months);
}

std::variant<ScheduleLoan, FieldFailure> readSchedule(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    ScheduleLoan loan;
    loan.annualRatePercent = regional::decimalNumberEntry(texts.text("rate"), settings);
    loan.months = scheduleMonthCount(regional::wholeNumberEntry(texts.text("years")));
    loan.loanAmount = regional::decimalNumberEntry(texts.text("amount"), settings);
    return loan;
}

AmortizationSchedule amortizationSchedule(Extended annualRatePercent, std::int32_t months, Extended loanAmount)
{
    namespace checked = finance::checked;
    const Extended rate = finance::monthlyRate(annualRatePercent);
    AmortizationSchedule schedule;
    schedule.loanAmount = loanAmount;
    schedule.monthlyPayment = finance::Payment(rate, months, -loanAmount, 0, finance::PaymentTiming::EndOfPeriod);
    // A negative count gives a finite payment but no months to show.
    if (months < 1)
        throw finance::FinanceError("An amortization schedule needs a term of at least one month");
    if (months > longestTermMonths)
        throw finance::FinanceError(termTooLongMessage);

    schedule.months.reserve(static_cast<std::size_t>(months));
    Extended balance = loanAmount;
    for (std::int32_t month = 1; month <= months; ++month) {
        ScheduleMonth figures;
        figures.interest = checked::result(rate * balance);
        figures.principal = checked::result(schedule.monthlyPayment - figures.interest);
        balance = checked::result(balance - figures.principal);
        figures.balance = balance;
        schedule.months.push_back(figures);
    }
    return schedule;
}

std::array<std::string, 4> scheduleTitles()
{
    return { "Month", "Interest", "Principle", "Balance" };
}

std::array<std::string, 4> scheduleRowTexts(
    std::int32_t month, const ScheduleMonth& figures, const regional::RegionalSettings& settings)
{
    return { regional::integerText(month), regional::moneyText(figures.interest, settings),
        regional::moneyText(figures.principal, settings), regional::moneyText(figures.balance, settings) };
}

} // namespace calculators
