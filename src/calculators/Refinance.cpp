#include "Refinance.h"

#include "CheckedMath.h"
#include "Percent.h"
#include "TimeValue.h"

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

} // namespace calculators
