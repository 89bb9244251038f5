#include "calculators/loan/Prepayment.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "finance/CheckedMath.h"
#include "finance/FinanceErrors.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <limits>

namespace calculators {

namespace {

using finance::checked::result;

// years x 12 as a 32-bit month count; a count beyond 32 bits is an overflow, never a wrapped number. A term
// longer than any window gives is refused before the month loop runs through it.
std::int32_t monthsOf(std::int32_t years)
{
    const std::int64_t months = std::int64_t { years } * 12;
    if (months > std::numeric_limits<std::int32_t>::max() || months < std::numeric_limits<std::int32_t>::min())
        throw finance::EOverflow();
    if (months > longestTermMonths)
        throw finance::FinanceError(termTooLongMessage);
    return static_cast<std::int32_t>(months);
}

// The month loop of the analysis. Each processed month's balance goes to the sink, when there is one.
PrepaymentResult runPrepayment(const PrepaymentInput& input, std::vector<Extended>* monthBalances)
{
    const std::int32_t months = monthsOf(input.years);
    const Extended rate = finance::monthlyRate(input.annualRatePercent);
    const Extended payment = finance::Payment(rate, months, -input.loanAmount, 0, finance::PaymentTiming::EndOfPeriod);

    PrepaymentResult out;
    out.normalInterest = result(result(static_cast<Extended>(months) * payment) - input.loanAmount);

    const Extended firstPrincipal = result(payment - result(rate * input.loanAmount));
    const Extended firstPrincipalAndExtra = result(firstPrincipal + input.extraPayment);
    const auto prepaying = [&input](std::int64_t month) { return month >= input.startMonth; };

    // The extra payment only counts towards the threshold once it is being paid. The term bounds the loop
    // where the balance stops falling: with a perpetuity payment the first principal is 0, and an extra
    // payment below the balance's precision changes nothing.
    Extended balance = input.loanAmount;
    Extended interest = 0;
    std::int64_t month = 1;
    while (month <= months && balance >= (prepaying(month) ? firstPrincipalAndExtra : firstPrincipal)) {
        const Extended monthInterest = result(rate * balance);
        const Extended principal = result(payment - monthInterest);
        balance = result(balance - principal);
        if (prepaying(month))
            balance = result(balance - input.extraPayment);
        interest = result(interest + monthInterest);
        if (monthBalances)
            monthBalances->push_back(balance);
        ++month;
    }

    out.prepaidInterest = interest;
    out.interestSavings = result(out.normalInterest - interest);
    out.monthsReduced = static_cast<std::int32_t>(months - month + 1);
    return out;
}

} // namespace

std::variant<PrepaymentInput, FieldFailure> readPrepayment(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    auto read = readFields(checks::prepayment, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return std::move(*failure);
    PrepaymentInput input;
    input.annualRatePercent = regional::decimalNumberEntry(texts.text("rate"), settings);
    input.years = regional::wholeNumberEntry(texts.text("years"));
    input.loanAmount = regional::decimalNumberEntry(texts.text("amount"), settings);
    input.extraPayment = std::get<FieldValues>(read).decimal("extra");
    input.startMonth = regional::wholeNumberEntry(texts.text("from"));
    return input;
}

PrepaymentResult analysePrepayment(const PrepaymentInput& input)
{
    return runPrepayment(input, nullptr);
}

std::vector<Extended> prepaymentBalances(const PrepaymentInput& input)
{
    std::vector<Extended> balances;
    runPrepayment(input, &balances);
    return balances;
}

PrepaymentTexts prepaymentTexts(const PrepaymentResult& result, const regional::RegionalSettings& settings)
{
    return {
        regional::moneyText(result.normalInterest, settings),
        regional::moneyText(result.prepaidInterest, settings),
        regional::moneyText(result.interestSavings, settings),
        regional::groupedText(result.monthsReduced, settings),
    };
}

} // namespace calculators
