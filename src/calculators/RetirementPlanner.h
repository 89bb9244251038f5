#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace calculators {

using finance::Extended;

// What the retirement page's fields hold once they have passed its checks (1 <= current age <= retirement age).
struct RetirementInput
{
    std::int32_t currentAge = 0;
    std::int32_t retirementAge = 0;
    Extended monthlyIncome = 0; // in today's money
    std::int32_t retirementYears = 0;
    Extended growthPercent = 0; // per year, 7 means 7 %
    Extended inflationPercent = 0; // per year
};

// The retirement need's fields, checked in the order the page checks them (checks::retirementNeed), as its input.
std::variant<RetirementInput, FieldFailure> readRetirementNeed(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// The sum needed at retirement to pay, at the start of every month of every year of retirement, an income that
// keeps today's purchasing power and rises with inflation each year.
struct RetirementNeed
{
    std::int32_t yearsToRetirement = 0;
    Extended realRatePercent = 0; // growth net of inflation
    Extended inflatedMonthlyIncome = 0; // the monthly income at the start of retirement
    Extended need = 0;
};

// Arithmetic errors and rejected time-value arguments propagate as finance errors.
RetirementNeed retirementNeed(const RetirementInput& input);

// "You will need $2,390,120 at retirement in order to provide ..."
std::string retirementNeedSentence(
    const RetirementInput& input, const RetirementNeed& need, const regional::RegionalSettings& settings);

// The retirement savings plan's one field, "assets": the retirement assets there are now.
struct RetirementAssets
{
    Extended currentAssets = 0;
};
std::variant<RetirementAssets, FieldFailure> readRetirementAssets(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// How far the current assets grow by retirement and the yearly saving that closes the gap to the need.
struct RetirementPlan
{
    Extended currentAssets = 0;
    Extended projectedAssets = 0;
    Extended need = 0;
    Extended shortage = 0; // need minus projected assets
    std::int32_t yearsToRetirement = 0;
    // Saved at the end of each year until retirement; none when the assets already cover the need.
    std::optional<Extended> annualContribution;
};

// A shortage with no year left to save in (retiring now) divides by zero and raises EZeroDivide.
RetirementPlan retirementPlan(const RetirementInput& input, Extended currentAssets);

// The one paragraph of the savings plan: the shortage, contribution or fully-funded text.
std::string retirementPlanText(
    const RetirementInput& input, const RetirementPlan& plan, const regional::RegionalSettings& settings);

} // namespace calculators
