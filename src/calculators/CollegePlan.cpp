#include "calculators/CollegePlan.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/Percent.h"
#include "finance/PowerLog.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/MessageTemplate.h"

namespace calculators {

using finance::fractionOf;
using finance::PaymentTiming;

namespace {

const char* const shortageTemplate = "At %n percent per year your education fund will grow to %m. That will leave a "
                                     "shortage of %m which may be made up by contributing %m per year for the next %d "
                                     "years.";
const char* const contributionTemplate = "Assuming your education fund will grow %n percent annually, you will need to "
                                         "begin contributing %m each year for the next %d years.";
const char* const fullyFundedTemplate = "Assuming your education fund will grow at an annual rate of %n percent, then "
                                        "in %d years the fund will have a value of %m.  Since your educational need is "
                                        "%m, your current account will fully fund your objective.";

// Today's cost grown by the yearly increase until college starts.
Extended firstYearCost(const CollegeCostInput& input, std::int32_t yearsUntilCollege)
{
    return finance::FutureValue(
        fractionOf(input.increasePercent), yearsUntilCollege, 0, -input.annualCost, PaymentTiming::EndOfPeriod);
}

// The years of college added up, the first at the first-year cost and each later one dearer by the increase.
Extended totalCost(const CollegeCostInput& input, Extended firstYear)
{
    return finance::FutureValue(
        fractionOf(input.increasePercent), input.yearsOfCollege, -firstYear, 0, PaymentTiming::EndOfPeriod);
}

} // namespace

CollegeCost projectCollegeCost(const CollegeCostInput& input)
{
    CollegeCost cost;
    cost.yearsUntilCollege = finance::checked::subtract(input.startingAge, input.childAge);
    cost.firstYearCost = firstYearCost(input, cost.yearsUntilCollege);
    cost.totalCost = totalCost(input, cost.firstYearCost);
    return cost;
}

std::string collegeCostSentence(const CollegeCost& cost, const regional::RegionalSettings& settings)
{
    return regional::integerText(cost.yearsUntilCollege) + " years from now, the planned education will cost "
        + regional::wholeMoneyText(cost.totalCost, settings);
}

Extended accumulationFactor(std::int32_t years, Extended growthRate)
{
    const Extended base = growthRate + 1;
    const Extended step = base - 1;
    // ((1 + g)^n - 1) / g tends to n as g goes to 0; the quotient itself would be 0 / 0.
    if (step == 0)
        return years;
    const Extended grown = finance::RaiseToReal(base, years);
    return finance::checked::divide(finance::checked::result(grown - 1), step);
}

CollegePlan planCollegeSaving(const CollegeCostInput& input, const CollegeFund& fund)
{
    CollegePlan plan;
    plan.growthPercent = fund.growthPercent;
    const Extended growthRate = fractionOf(fund.growthPercent);

    CollegeCost& cost = plan.cost;
    cost.yearsUntilCollege = finance::checked::subtract(input.startingAge, input.childAge);
    cost.firstYearCost = firstYearCost(input, cost.yearsUntilCollege);
    plan.fundAtCollegeStart
        = finance::FutureValue(growthRate, cost.yearsUntilCollege, 0, -fund.currentValue, PaymentTiming::EndOfPeriod);
    cost.totalCost = totalCost(input, cost.firstYearCost);
    plan.shortage = finance::checked::result(cost.totalCost - plan.fundAtCollegeStart);

    if (plan.shortage <= 0) {
        plan.kind = CollegePlanKind::FullyFunded;
        return plan;
    }
    plan.kind = fund.currentValue > 0 ? CollegePlanKind::Shortage : CollegePlanKind::Contribution;
    plan.annualContribution
        = finance::checked::divide(plan.shortage, accumulationFactor(cost.yearsUntilCollege, growthRate));
    return plan;
}

std::string collegePlanText(const CollegePlan& plan, const regional::RegionalSettings& settings)
{
    const std::int32_t years = plan.cost.yearsUntilCollege;
    switch (plan.kind) {
    case CollegePlanKind::Shortage:
        return regional::formatMessage(shortageTemplate,
            { plan.growthPercent, plan.fundAtCollegeStart, plan.shortage, plan.annualContribution, years }, settings);
    case CollegePlanKind::Contribution:
        return regional::formatMessage(
            contributionTemplate, { plan.growthPercent, plan.annualContribution, years }, settings);
    case CollegePlanKind::FullyFunded:
        break;
    }
    return regional::formatMessage(
        fullyFundedTemplate, { plan.growthPercent, years, plan.fundAtCollegeStart, plan.cost.totalCost }, settings);
}

std::variant<CollegeFund, FieldFailure> readCollegeFund(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return readInput<CollegeFund>(checks::collegeFund,
        { { "fund", &CollegeFund::currentValue }, { "growth", &CollegeFund::growthPercent } }, texts, settings);
}

std::variant<CollegeCostInput, FieldFailure> readCollegeCost(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    using Input = CollegeCostInput;
    return readInput<Input>(checks::collegeCost,
        { { "age", &Input::childAge }, { "start-age", &Input::startingAge }, { "cost", &Input::annualCost },
            { "years", &Input::yearsOfCollege }, { "increase", &Input::increasePercent } },
        texts, settings);
}

} // namespace calculators
