#include "calculators/loan/LoanChartSeries.h"

#include "finance/CheckedMath.h"
#include "regional/Formats.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calculators {

namespace {

using finance::checked::result;

constexpr int monthsPerYear = 12;
constexpr std::int64_t mostMoneySteps = 6;
constexpr std::int64_t mostMonthSteps = 6;
constexpr std::int64_t mostYearLabels = 10;

// The smallest of 1, 2, 5, 10, 20, 50, ... times unit that covers span in at most maxSteps steps.
std::int64_t roundStep(std::int64_t span, std::int64_t unit, std::int64_t maxSteps)
{
    for (std::int64_t decade = 1;; decade *= 10)
        for (const std::int64_t multiple : { 1, 2, 5 }) {
            const std::int64_t step = unit * decade * multiple;
            if ((span + step - 1) / step <= maxSteps)
                return step;
        }
}

// multiple x 10^exponent, exact for whole steps and correctly rounded for cents and tenths.
Extended decimalStep(int multiple, int exponent)
{
    const Extended power = std::pow(10.0L, static_cast<Extended>(std::abs(exponent)));
    return exponent >= 0 ? multiple * power : multiple / power;
}

} // namespace

LoanChartData loanChartData(const AmortizationSchedule& schedule, const std::vector<Extended>& prepaidBalances)
{
    LoanChartData data;
    data.balance.reserve(schedule.months.size() + 1);
    data.balance.push_back(schedule.loanAmount);
    std::int32_t month = 0;
    for (const ScheduleMonth& figures : schedule.months) {
        ++month;
        data.balance.push_back(figures.balance);
        const std::int32_t year = (month - 1) / monthsPerYear + 1;
        if (data.years.empty() || data.years.back().year != year)
            data.years.push_back({ year, 0, 0 });
        YearPaid& paid = data.years.back();
        paid.principal = result(paid.principal + figures.principal);
        paid.interest = result(paid.interest + figures.interest);
        if (!data.crossoverMonth && figures.principal > figures.interest)
            data.crossoverMonth = month;
    }

    if (!prepaidBalances.empty()) {
        data.prepaidBalance.reserve(prepaidBalances.size() + 1);
        data.prepaidBalance.push_back(schedule.loanAmount);
        for (const Extended balance : prepaidBalances)
            data.prepaidBalance.push_back(std::max<Extended>(balance, 0));
    }
    return data;
}

bool isSameLoan(const PrepaymentInput& prepayment, Extended annualRatePercent, std::int32_t months, Extended loanAmount)
{
    return prepayment.annualRatePercent == annualRatePercent
        && std::int64_t { prepayment.years } * monthsPerYear == months && prepayment.loanAmount == loanAmount;
}

std::string prepaidBalanceName(const PrepaymentInput& prepayment, const regional::RegionalSettings& settings)
{
    return "Paying " + regional::moneyText(prepayment.extraPayment, settings) + " more from month "
        + regional::integerText(prepayment.startMonth);
}

std::vector<AxisTick> moneyTicks(Extended lowest, Extended highest, const regional::RegionalSettings& settings)
{
    const Extended low = std::min<Extended>(lowest, 0);
    Extended high = std::max<Extended>(highest, 0);
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (high == low)
        high = low + 1;

    // From a cent up to the largest power of ten an extended value holds.
    for (int exponent = -2; exponent <= std::numeric_limits<Extended>::max_exponent10; ++exponent)
        for (const int multiple : { 1, 2, 5 }) {
            const Extended step = decimalStep(multiple, exponent);
            const Extended first = std::floor(low / step);
            const Extended last = std::ceil(high / step);
            if (last - first > mostMoneySteps)
                continue;
            std::vector<AxisTick> ticks;
            // At most mostMoneySteps + 1 ticks, counted in whole steps from the first.
            const auto count = static_cast<int>(last - first);
            for (int index = 0; index <= count; ++index) {
                const Extended k = first + index;
                // Whole steps multiply exactly; cents and tenths are counted in whole cents or tenths first.
                const Extended value = exponent >= 0 ? k * step : (k * multiple) / decimalStep(1, -exponent);
                ticks.push_back({ value,
                    exponent >= 0 ? regional::wholeMoneyText(value, settings) : regional::moneyText(value, settings) });
            }
            return ticks;
        }
    return {};
}

std::int32_t monthTickStep(std::int32_t months)
{
    if (months < 1)
        return 1;
    if (months < 2 * monthsPerYear) {
        for (const std::int32_t step : { 1, 2, 3, 6 })
            if ((months + step - 1) / step <= mostMonthSteps)
                return step;
        return monthsPerYear;
    }
    return static_cast<std::int32_t>(roundStep(months, monthsPerYear, mostMonthSteps));
}

std::vector<std::int32_t> labelledYears(std::int32_t years)
{
    if (years < 1)
        return {};
    const std::int64_t step = roundStep(years, 1, mostYearLabels);
    std::vector<std::int32_t> labelled { 1 };
    for (std::int64_t year = step; year <= years; year += step)
        if (year > 1)
            labelled.push_back(static_cast<std::int32_t>(year));
    return labelled;
}

} // namespace calculators
