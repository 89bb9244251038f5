#include "calculators/LoanOffers.h"

#include "finance/CalendarDays.h"
#include "finance/Extended.h"
#include "finance/FinanceErrors.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstddef>
#include <numeric>

namespace calculators {

namespace {

// n / d rounded to the nearest whole number, a half away from zero; n >= 0, d > 0.
std::int64_t roundedQuotient(std::int64_t n, std::int64_t d)
{
    return (2 * n + d) / (2 * d);
}

// A whole number as long as it takes, for the exact test of the APR's rounding: 32-bit digits, least significant
// first.
class WholeNumber final
{
public:
    explicit WholeNumber(std::uint64_t value = 0)
    {
        for (; value > 0; value >>= 32)
            digits.push_back(static_cast<std::uint32_t>(value));
    }

    WholeNumber times(std::uint64_t factor) const
    {
        WholeNumber high = timesDigit(static_cast<std::uint32_t>(factor >> 32));
        high.digits.insert(high.digits.begin(), 0);
        return high.plus(timesDigit(static_cast<std::uint32_t>(factor)));
    }

    WholeNumber plus(const WholeNumber& other) const
    {
        WholeNumber sum;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(digits.size(), other.digits.size()) || carry > 0; ++i) {
            carry += digit(i) + other.digit(i);
            sum.digits.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        sum.trim();
        return sum;
    }

    friend std::strong_ordering operator<=>(const WholeNumber& a, const WholeNumber& b)
    {
        if (a.digits.size() != b.digits.size())
            return a.digits.size() <=> b.digits.size();
        return std::lexicographical_compare_three_way(
            a.digits.rbegin(), a.digits.rend(), b.digits.rbegin(), b.digits.rend());
    }

private:
    std::uint64_t digit(std::size_t i) const { return i < digits.size() ? digits[i] : 0; }

    WholeNumber timesDigit(std::uint32_t factor) const
    {
        WholeNumber product;
        std::uint64_t carry = 0;
        for (const std::uint32_t each : digits) {
            carry += std::uint64_t { each } * factor;
            product.digits.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        product.digits.push_back(static_cast<std::uint32_t>(carry));
        product.trim();
        return product;
    }

    void trim()
    {
        while (!digits.empty() && digits.back() == 0)
            digits.pop_back();
    }

    std::vector<std::uint32_t> digits;
};

// The APR in thousandths of a percent is 1,200,000 j.
constexpr std::int64_t aprUnitsPerMonthlyRate = 1200000;

// Whether the payments discounted at j = (2 t + 1) / 2,400,000, the APR t + 1/2 thousandths, are worth at least
// the amount financed: then the root lies at or above that APR. Exact: with q = 2,400,000 and r = q + 2 t + 1,
// compare the sum of payment_k q^k r^(N-k) with amount r^N.
bool rootAtOrAbove(std::span<const Cents> payments, Cents amountFinanced, std::int64_t t)
{
    const std::uint64_t q = 2 * aprUnitsPerMonthlyRate;
    const std::uint64_t r = q + 2 * static_cast<std::uint64_t>(t) + 1;
    WholeNumber worth;
    WholeNumber qPower(1);
    WholeNumber amount(static_cast<std::uint64_t>(amountFinanced));
    for (const Cents payment : payments) {
        qPower = qPower.times(q);
        worth = worth.times(r).plus(qPower.times(static_cast<std::uint64_t>(payment)));
        amount = amount.times(r);
    }
    return worth >= amount;
}

// The payments discounted at the monthly rate j, less the amount financed; falls as j grows.
Extended discountedLess(std::span<const Cents> payments, Cents amountFinanced, Extended j)
{
    const Extended v = 1 / (1 + j);
    Extended sum = 0;
    for (auto payment = payments.rbegin(); payment != payments.rend(); ++payment)
        sum = (sum + static_cast<Extended>(*payment)) * v;
    return sum - static_cast<Extended>(amountFinanced);
}

void checkInput(const LoanOffersInput& input)
{
    const auto money = [](Cents amount) { return amount >= 0 && amount <= largestPlanAmount; };
    bool valid = input.price >= 1 && money(input.price) && input.down >= 0 && input.down < input.price
        && money(input.yearlyTax) && money(input.yearlyInsurance) && money(input.monthlyDues) && input.yearsKept >= 1
        && input.yearsKept <= longestYearsKept && !input.offers.empty() && input.offers.size() <= mostLoanOffers;
    const Cents loan = input.price - input.down;
    for (const LoanOffer& offer : input.offers) {
        const Cents points = roundedQuotient(loan * offer.pointsThousandths, 100000);
        valid = valid && offer.pointsThousandths >= 0 && offer.pointsThousandths <= highestOfferPoints
            && offer.insuranceThousandths >= 0 && offer.insuranceThousandths <= highestOfferInsurance
            && money(offer.lenderFees) && money(offer.closingCosts) && money(offer.lenderCredit)
            && points + offer.lenderFees - offer.lenderCredit < loan;
    }
    // The rate, the term and the date are checked by the planner.
    if (!valid)
        throw finance::EInvalidArgument("The loan offers are outside their limits");
}

OfferFigures figuresOf(const LoanOffersInput& input, const LoanOffer& offer)
{
    OfferFigures figures;
    const Cents loan = input.price - input.down;
    figures.loanAmount = loan;

    ExtraPaymentsInput loanInput;
    loanInput.rateTenThousandths = offer.rateTenThousandths;
    loanInput.years = offer.years;
    loanInput.amount = loan;
    loanInput.firstPaymentDate = input.firstPaymentDate;
    const ExtraPaymentsPlan plan = planExtraPayments(loanInput);
    const std::vector<PlanRow>& rows = plan.comparisonRows;
    figures.monthlyPrincipalAndInterest = plan.regularPayment;
    figures.payments = static_cast<std::int32_t>(rows.size());

    // Insurance is asked only when the loan passes 80 % of the price; it ends once the scheduled balance reaches
    // 78 % of the price, and at the latest at the middle of the term.
    const bool insured = 10 * loan > 8 * input.price;
    const Cents premium = insured ? roundedQuotient(loan * offer.insuranceThousandths, 1200000) : 0;
    const std::int32_t middle = offer.years * 12 / 2;
    std::vector<Cents> premiums(rows.size(), 0);
    Cents balanceBefore = loan;
    for (std::size_t k = 1; k <= rows.size(); ++k) {
        if (premium > 0 && 100 * balanceBefore > 78 * input.price && static_cast<std::int32_t>(k) <= middle) {
            premiums[k - 1] = premium;
            figures.mortgageInsuranceLastPayment = static_cast<std::int32_t>(k);
        }
        balanceBefore = rows[k - 1].balance;
    }
    figures.mortgageInsurance = figures.mortgageInsuranceLastPayment > 0 ? premium : 0;

    figures.monthlyTaxes = roundedQuotient(input.yearlyTax, 12);
    figures.monthlyInsurance = roundedQuotient(input.yearlyInsurance, 12);
    figures.monthlyDues = input.monthlyDues;
    figures.monthlyTotal = figures.monthlyPrincipalAndInterest + premiums.front() + figures.monthlyTaxes
        + figures.monthlyInsurance + figures.monthlyDues;

    figures.points = roundedQuotient(loan * offer.pointsThousandths, 100000);
    figures.prepaidFinanceCharge = std::max<Cents>(0, figures.points + offer.lenderFees - offer.lenderCredit);
    figures.amountFinanced = loan - figures.prepaidFinanceCharge;
    figures.loanCostsUpFront
        = std::max<Cents>(0, figures.points + offer.lenderFees + offer.closingCosts - offer.lenderCredit);
    figures.cashToClose = input.down + figures.loanCostsUpFront;

    std::vector<Cents> paid(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k)
        paid[k] = rows[k].payment + premiums[k];
    figures.aprThousandths = actuarialAprThousandths(paid, figures.amountFinanced);
    figures.totalInterest = plan.comparison.interest;
    figures.totalInterestPercentThousandths = roundedQuotient(figures.totalInterest * 100000, loan);

    const std::size_t kept = std::min(rows.size(), static_cast<std::size_t>(input.yearsKept) * 12);
    figures.paidInYearsKept = figures.loanCostsUpFront;
    for (std::size_t k = 0; k < kept; ++k) {
        figures.paidInYearsKept += paid[k];
        figures.principalInYearsKept += rows[k].principal;
    }
    figures.costInYearsKept = figures.paidInYearsKept - figures.principalInYearsKept;
    figures.balanceAtYearsKept = loan - figures.principalInYearsKept;

    figures.costCurve.push_back(figures.loanCostsUpFront);
    for (std::size_t k = 0; k < rows.size(); ++k)
        figures.costCurve.push_back(figures.costCurve.back() + rows[k].interest + premiums[k]);
    return figures;
}

// The first payment, within both terms, after which the offer's cost curve is at or below the baseline's.
std::optional<std::int32_t> breakEven(const std::vector<Cents>& curve, const std::vector<Cents>& baseline)
{
    const std::size_t last = std::min(curve.size(), baseline.size()) - 1;
    for (std::size_t k = 1; k <= last; ++k)
        if (curve[k] <= baseline[k])
            return static_cast<std::int32_t>(k);
    return std::nullopt;
}

} // namespace

std::int64_t actuarialAprThousandths(std::span<const Cents> payments, Cents amountFinanced)
{
    if (amountFinanced <= 0 || std::any_of(payments.begin(), payments.end(), [](Cents each) { return each < 0; })
        || std::accumulate(payments.begin(), payments.end(), Cents { 0 }) < amountFinanced)
        throw finance::EInvalidArgument("The payments do not repay the amount financed");
    if (discountedLess(payments, amountFinanced, 0) == 0)
        return 0;
    // Bracket the monthly rate, then halve the bracket to the last bit of an extended value.
    Extended low = 0;
    Extended high = 1;
    while (discountedLess(payments, amountFinanced, high) > 0) {
        low = high;
        high *= 2;
    }
    for (;;) {
        const Extended middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        (discountedLess(payments, amountFinanced, middle) > 0 ? low : high) = middle;
    }
    const Extended apr = low * aprUnitsPerMonthlyRate;
    auto rounded = static_cast<std::int64_t>(std::floor(apr + Extended { 0.5 }));
    // Within a hair of a half the extended sums cannot tell which side the root lies on; the exact sums can. The
    // hair is far wider than the sums' rounding error, some 1e-17 of the rate.
    const Extended halfAbove = static_cast<Extended>(rounded) + Extended { 0.5 };
    const Extended hair = Extended { 1e-9 } + Extended { 1e-12 } * apr;
    if (std::fabs(apr - halfAbove) < hair || std::fabs(apr - (halfAbove - 1)) < hair) {
        while (rootAtOrAbove(payments, amountFinanced, rounded))
            ++rounded;
        while (rounded > 0 && !rootAtOrAbove(payments, amountFinanced, rounded - 1))
            --rounded;
    }
    return rounded;
}

LoanOffersComparison compareLoanOffers(const LoanOffersInput& input)
{
    checkInput(input);
    LoanOffersComparison comparison;
    comparison.monthsKept = input.yearsKept * 12;
    for (const LoanOffer& offer : input.offers)
        comparison.offers.push_back(figuresOf(input, offer));
    auto& offers = comparison.offers;

    const auto cheapest = std::ranges::min_element(offers, {}, &OfferFigures::costInYearsKept);
    for (OfferFigures& figures : offers)
        figures.best = figures.costInYearsKept == cheapest->costInYearsKept;
    const auto baseline = std::ranges::min_element(offers, {}, &OfferFigures::cashToClose);
    comparison.baseline = static_cast<std::size_t>(baseline - offers.begin());
    for (std::size_t i = 0; i < offers.size(); ++i)
        if (i != comparison.baseline)
            offers[i].breakEvenPayment = breakEven(offers[i].costCurve, baseline->costCurve);
    return comparison;
}

} // namespace calculators
