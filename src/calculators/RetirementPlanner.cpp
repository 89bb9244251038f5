#include "calculators/RetirementPlanner.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/Percent.h"
#include "finance/PowerLog.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/MessageTemplate.h"

namespace calculators {

namespace {

using finance::PaymentTiming;
namespace checked = finance::checked;
using finance::fractionOf;

// The yearly rate of return left after inflation, in percent; exactly 0 when growth equals inflation.
Extended realRatePercent(const RetirementInput& input)
{
    const Extended grown = checked::result(fractionOf(input.growthPercent)) + 1;
    const Extended inflated = checked::result(fractionOf(input.inflationPercent)) + 1;
    return checked::result(finance::percentageOf(checked::result(checked::divide(grown, inflated) - 1)));
}

std::int32_t yearsToRetirement(const RetirementInput& input)
{
    return checked::subtract(input.retirementAge, input.currentAge);
}

// Today's monthly income in the money of the day of retirement.
Extended inflatedMonthlyIncome(const RetirementInput& input, std::int32_t years)
{
    return finance::FutureValue(checked::result(fractionOf(input.inflationPercent)), years, 0, -input.monthlyIncome,
        PaymentTiming::StartOfPeriod);
}

// A year's income paid monthly in advance for every year of retirement, less the present value of one unit of
// money left over at its end.
Extended needAtRetirement(const RetirementInput& input, Extended realRate, Extended monthlyIncome)
{
    const Extended yearlyIncome = checked::result(12 * monthlyIncome);
    return finance::PresentValue(
        checked::result(fractionOf(realRate)), input.retirementYears, -yearlyIncome, 1, PaymentTiming::StartOfPeriod);
}

// What saving 1 at the end of each year grows to over the years at the growth rate. Without growth each year's
// saving stays as it was, so the years themselves are the factor (the general formula would be 0 / 0).
Extended accumulationFactor(Extended growthPercent, std::int32_t years)
{
    const Extended base = checked::result(fractionOf(growthPercent)) + 1;
    const Extended growthPerYear = base - 1;
    if (growthPerYear == 0)
        return years;
    const Extended grown = checked::result(finance::RaiseToReal(base, years) - 1);
    return checked::divide(grown, growthPerYear);
}

} // namespace

RetirementNeed retirementNeed(const RetirementInput& input)
{
    RetirementNeed need;
    need.yearsToRetirement = yearsToRetirement(input);
    need.realRatePercent = realRatePercent(input);
    need.inflatedMonthlyIncome = inflatedMonthlyIncome(input, need.yearsToRetirement);
    need.need = needAtRetirement(input, need.realRatePercent, need.inflatedMonthlyIncome);
    return need;
}

std::string retirementNeedSentence(
    const RetirementInput& input, const RetirementNeed& need, const regional::RegionalSettings& settings)
{
    return regional::formatMessage("You will need %s at retirement in order to provide an inflation adjusted monthly "
                                   "income of %s, along with annual cost of living increases of %n percent.",
        { regional::wholeMoneyText(need.need, settings), regional::wholeMoneyText(need.inflatedMonthlyIncome, settings),
            input.inflationPercent },
        settings);
}

RetirementPlan retirementPlan(const RetirementInput& input, Extended currentAssets)
{
    RetirementPlan plan;
    plan.currentAssets = currentAssets;
    plan.yearsToRetirement = yearsToRetirement(input);
    const Extended realRate = realRatePercent(input);
    const Extended monthlyIncome = inflatedMonthlyIncome(input, plan.yearsToRetirement);
    plan.projectedAssets = finance::FutureValue(checked::result(fractionOf(input.growthPercent)),
        plan.yearsToRetirement, 0, -currentAssets, PaymentTiming::EndOfPeriod);
    plan.need = needAtRetirement(input, realRate, monthlyIncome);
    plan.shortage = checked::result(plan.need - plan.projectedAssets);
    // Only a shortage is ever shown with a contribution; computing one for a covered need could fail for nothing.
    if (plan.shortage > 0)
        plan.annualContribution
            = checked::divide(plan.shortage, accumulationFactor(input.growthPercent, plan.yearsToRetirement));
    return plan;
}

std::string retirementPlanText(
    const RetirementInput& input, const RetirementPlan& plan, const regional::RegionalSettings& settings)
{
    if (!plan.annualContribution) {
        return regional::formatMessage(
            "If your current retirement assets grow at an annual rate of %n percent, then at retirement your account "
            "will have a value of %m. Since your retirement need is only %m, your current account will fully fund "
            "your objective.",
            { input.growthPercent, plan.projectedAssets, plan.need }, settings);
    }
    if (plan.currentAssets > 0) {
        return regional::formatMessage(
            "At %n percent per year your current account will grow to %m. That will leave you with a shortage of %m "
            "which may be made up by contributing %m per year.",
            { input.growthPercent, plan.projectedAssets, plan.shortage, *plan.annualContribution }, settings);
    }
    return regional::formatMessage("Based upon your retirement account earning %n percent annually you will need to "
                                   "contribute %m annually for the next %d years until you retire.",
        { input.growthPercent, *plan.annualContribution, plan.yearsToRetirement }, settings);
}

std::variant<RetirementAssets, FieldFailure> readRetirementAssets(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return readInput<RetirementAssets>(
        checks::retirementPlan, { { "assets", &RetirementAssets::currentAssets } }, texts, settings);
}

std::variant<RetirementInput, FieldFailure> readRetirementNeed(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    using Input = RetirementInput;
    return readInput<Input>(checks::retirementNeed,
        { { "age", &Input::currentAge }, { "retire-at", &Input::retirementAge }, { "income", &Input::monthlyIncome },
            { "years", &Input::retirementYears }, { "growth", &Input::growthPercent },
            { "inflation", &Input::inflationPercent } },
        texts, settings);
}

} // namespace calculators
