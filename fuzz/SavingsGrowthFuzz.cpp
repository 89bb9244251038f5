// The savings page's growth calculator on arbitrary field texts and any contribution frequency.
#include "CalculatorFuzz.h"
#include "calculators/SavingsGrowth.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::SavingsGrowthInput input;
        static constexpr calculators::ContributionFrequency frequencies[] = {
            calculators::ContributionFrequency::Annually,
            calculators::ContributionFrequency::Monthly,
            calculators::ContributionFrequency::Weekly,
        };
        input.frequency = frequencies[fields.choice() % 3];
        input.annualRatePercent = fields.decimal();
        input.years = fields.whole();
        input.contribution = fields.decimal();
        input.currentAmount = fields.decimal();

        const finance::Extended futureValue = calculators::savingsFutureValue(input);
        fuzz::requireFinite(futureValue, "finite future value");
        fuzz::requireText(calculators::savingsGrowthCaption(futureValue, fields.settings()), "caption");
    });
}
