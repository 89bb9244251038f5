#include "calculators/Refinance.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/Percent.h"
#include "finance/TimeValue.h"

namespace calculators {

RefinanceSavings refinanceSavings(const RefinanceInput& input)
{
    using finance::checked::result;
    RefinanceSavings savings;
    savings.newPayment = finance::Payment(finance::monthlyRate(input.annualRatePercent),
        finance::checked::multiply(input.termYears, 12), -input.principal, 0, finance::PaymentTiming::EndOfPeriod);
    savings.totalClosingCosts
        = result(input.closingCosts + result(finance::fractionOf(result(input.pointsPercent * input.principal))));
    savings.monthlySaving = result(input.currentPayment - savings.newPayment);
    return savings;
}

Extended breakEvenMonths(const RefinanceSavings& savings)
{
    return finance::checked::divide(savings.totalClosingCosts, savings.monthlySaving);
}

std::variant<RefinanceInput, FieldFailure> readRefinance(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    using Input = RefinanceInput;
    return readInput<Input>(checks::refinance,
        { { "payment", &Input::currentPayment }, { "principal", &Input::principal }, { "years", &Input::termYears },
            { "rate", &Input::annualRatePercent }, { "closing-costs", &Input::closingCosts },
            { "points", &Input::pointsPercent } },
        texts, settings);
}

} // namespace calculators
