#include "Refinance.h"

#include "CheckedMath.h"
#include "TimeValue.h"

namespace calculators {

namespace {

constexpr Extended percent = 0.01L;

} // namespace

RefinanceSavings refinanceSavings(const RefinanceInput& input)
{
    using finance::checked::result;
    RefinanceSavings savings;
    savings.newPayment = finance::Payment(finance::monthlyRate(input.annualRatePercent),
        finance::checked::multiply(input.termYears, 12), -input.principal, 0, finance::PaymentTiming::EndOfPeriod);
    savings.totalClosingCosts
        = result(input.closingCosts + result(result(input.pointsPercent * input.principal) * percent));
    savings.monthlySaving = result(input.currentPayment - savings.newPayment);
    return savings;
}

Extended breakEvenMonths(const RefinanceSavings& savings)
{
    return finance::checked::divide(savings.totalClosingCosts, savings.monthlySaving);
}

} // namespace calculators
