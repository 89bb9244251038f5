// The savings page's required-return calculator on arbitrary years, current and desired value texts.
#include "CalculatorFuzz.h"
#include "calculators/RequiredReturn.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        const std::int32_t years = fields.whole();
        const finance::Extended currentValue = fields.decimal();
        const finance::Extended desiredValue = fields.decimal();

        const finance::Extended annualReturn = calculators::requiredAnnualReturn(currentValue, desiredValue, years);
        fuzz::requireFinite(annualReturn, "finite return");
        fuzz::requireText(calculators::requiredReturnSentence(annualReturn, fields.settings()), "sentence");
    });
}
