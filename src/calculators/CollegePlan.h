#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <string>
#include <variant>

namespace calculators {

using finance::Extended;

// What the college page's fields say about the education ahead.
struct CollegeCostInput
{
    std::int32_t childAge = 0;
    std::int32_t startingAge = 0;
    Extended annualCost = 0; // in today's money
    std::int32_t yearsOfCollege = 0;
    Extended increasePercent = 0; // yearly rise of the cost, 5 = 5 %
};

// The college cost's fields, checked in the order the page checks them (checks::collegeCost), as its input.
std::variant<CollegeCostInput, FieldFailure> readCollegeCost(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

struct CollegeCost
{
    std::int32_t yearsUntilCollege = 0;
    Extended firstYearCost = 0;
    Extended totalCost = 0; // every year of college, each a year's increase dearer than the one before
};

// The cost of college when it starts; arithmetic errors propagate as finance errors.
CollegeCost projectCollegeCost(const CollegeCostInput& input);

// "13 years from now, the planned education will cost $56,892".
std::string collegeCostSentence(const CollegeCost& cost, const regional::RegionalSettings& settings);

// An education fund already started, and how fast it grows.
struct CollegeFund
{
    Extended currentValue = 0;
    Extended growthPercent = 0; // per year, 7 = 7 %
};

// The college savings plan's "fund" and "growth", checked in that order.
std::variant<CollegeFund, FieldFailure> readCollegeFund(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// Which of the three plan texts describes the plan.
enum class CollegePlanKind {
    Shortage, // a fund exists but falls short
    Contribution, // no fund yet
    FullyFunded, // the fund covers the whole cost
};

struct CollegePlan
{
    CollegeCost cost;
    Extended growthPercent = 0;
    Extended fundAtCollegeStart = 0;
    Extended shortage = 0; // total cost minus the fund at college start
    CollegePlanKind kind = CollegePlanKind::Contribution;
    // The level saving at the end of each year until college that grows to the shortage; computed only
    // where the plan text shows it, so it stays 0 for a fully funded plan.
    Extended annualContribution = 0;
};

// What level payments of 1 at the end of each of the years grow to at the growth rate (a fraction).
// Without growth that is the number of years.
Extended accumulationFactor(std::int32_t years, Extended growthRate);

// The saving plan for the projected cost. The cost is projected afresh from the input, so that the plan
// never depends on an earlier projection. Errors propagate: with no years left but a shortage to cover,
// the contribution divides by zero.
CollegePlan planCollegeSaving(const CollegeCostInput& input, const CollegeFund& fund);

// The one paragraph that tells the user the plan.
std::string collegePlanText(const CollegePlan& plan, const regional::RegionalSettings& settings);

} // namespace calculators
