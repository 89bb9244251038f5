// The refinancing page's calculator on arbitrary field texts, in the order the page reads them.
#include "CalculatorFuzz.h"
#include "calculators/Refinance.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::RefinanceInput input;
        input.currentPayment = fields.decimal();
        input.annualRatePercent = fields.decimal();
        input.pointsPercent = fields.decimal();
        input.termYears = fields.whole();
        input.principal = fields.decimal();
        input.closingCosts = fields.decimal();

        const calculators::RefinanceSavings savings = calculators::refinanceSavings(input);
        fuzz::requireFinite(savings.newPayment, "finite payment");
        fuzz::requireFinite(savings.monthlySaving, "finite saving");
        fuzz::requireFinite(savings.totalClosingCosts, "finite costs");
        fuzz::requireFinite(calculators::breakEvenMonths(savings), "finite break-even");
    });
}
