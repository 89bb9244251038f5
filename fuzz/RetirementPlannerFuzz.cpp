// The retirement page's need and savings plan on arbitrary field texts, in the order the page reads them.
#include "CalculatorFuzz.h"
#include "calculators/RetirementPlanner.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::RetirementInput input;
        input.currentAge = fields.whole();
        input.retirementAge = fields.whole();
        input.monthlyIncome = fields.decimal();
        input.retirementYears = fields.whole();
        input.growthPercent = fields.decimal();
        input.inflationPercent = fields.decimal();

        const calculators::RetirementNeed need = calculators::retirementNeed(input);
        fuzz::requireFinite(need.realRatePercent, "finite real rate");
        fuzz::requireFinite(need.inflatedMonthlyIncome, "finite income");
        fuzz::requireFinite(need.need, "finite need");
        fuzz::requireText(calculators::retirementNeedSentence(input, need, fields.settings()), "need sentence");

        const calculators::RetirementPlan plan = calculators::retirementPlan(input, fields.decimal());
        fuzz::requireFinite(plan.projectedAssets, "finite assets");
        fuzz::requireFinite(plan.shortage, "finite shortage");
        if (plan.annualContribution)
            fuzz::requireFinite(*plan.annualContribution, "finite contribution");
        fuzz::requireText(calculators::retirementPlanText(input, plan, fields.settings()), "plan text");
    });
}
