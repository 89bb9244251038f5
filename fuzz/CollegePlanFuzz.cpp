// The college page's projection and saving plan on arbitrary field texts, in the order the page reads them.
#include "CalculatorFuzz.h"
#include "calculators/CollegePlan.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::CollegeCostInput input;
        input.childAge = fields.whole();
        input.startingAge = fields.whole();
        input.yearsOfCollege = fields.whole();
        input.increasePercent = fields.decimal();
        input.annualCost = fields.decimal();

        const calculators::CollegeCost cost = calculators::projectCollegeCost(input);
        fuzz::requireFinite(cost.firstYearCost, "finite first-year cost");
        fuzz::requireFinite(cost.totalCost, "finite total cost");
        fuzz::requireText(calculators::collegeCostSentence(cost, fields.settings()), "cost sentence");

        const calculators::CollegeFund fund { fields.decimal(), fields.decimal() };
        const calculators::CollegePlan plan = calculators::planCollegeSaving(input, fund);
        fuzz::requireFinite(plan.fundAtCollegeStart, "finite fund");
        fuzz::requireFinite(plan.shortage, "finite shortage");
        fuzz::requireFinite(plan.annualContribution, "finite contribution");
        fuzz::requireText(calculators::collegePlanText(plan, fields.settings()), "plan text");
    });
}
