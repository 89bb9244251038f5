#include "calculators/loanoffers/LoanOffers.h"

#include "finance/ActuarialApr.h"
#include "finance/CalendarDays.h"
#include "finance/Extended.h"

#include <algorithm>
#include <cassert>
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

    figures.points = offerPoints(loan, offer.pointsThousandths);
    figures.prepaidFinanceCharge = std::max<Cents>(0, figures.points + offer.lenderFees - offer.lenderCredit);
    figures.amountFinanced = loan - figures.prepaidFinanceCharge;
    const Cents costsBeforeCredit = figures.points + offer.lenderFees + offer.closingCosts;
    figures.lenderCreditUsed = std::min(offer.lenderCredit, costsBeforeCredit);
    figures.creditNotUsed = offer.lenderCredit - figures.lenderCreditUsed;
    figures.loanCostsUpFront = costsBeforeCredit - figures.lenderCreditUsed;
    figures.cashToClose = input.down + figures.loanCostsUpFront;

    std::vector<Cents> paid(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k)
        paid[k] = rows[k].payment + premiums[k];
    figures.aprThousandths = finance::actuarialAprThousandths(paid, figures.amountFinanced);
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

// A cost curve at month k, at its last value after its own last payment.
Cents costAt(const std::vector<Cents>& curve, std::size_t k)
{
    return curve[std::min(k, curve.size() - 1)];
}

// The runs of months k = 1 to the longer term in which the curve is at or below the baseline's; a curve stays at
// its last value after its own last payment. A run that lasts to the longer term's end has no last month.
std::vector<CostRun> runsAtOrBelow(const std::vector<Cents>& curve, const std::vector<Cents>& baseline)
{
    const std::size_t last = std::max(curve.size(), baseline.size()) - 1;
    std::vector<CostRun> runs;
    for (std::size_t k = 1; k <= last; ++k) {
        const bool below = costAt(curve, k) <= costAt(baseline, k);
        const bool running = !runs.empty() && runs.back().to == static_cast<std::int32_t>(k) - 1;
        if (below && running)
            runs.back().to = static_cast<std::int32_t>(k);
        else if (below)
            runs.push_back({ static_cast<std::int32_t>(k), static_cast<std::int32_t>(k) });
    }
    if (!runs.empty() && runs.back().to == static_cast<std::int32_t>(last))
        runs.back().to.reset();
    return runs;
}

} // namespace

std::vector<Cents> costAgainstBaseline(const LoanOffersComparison& comparison, std::size_t offer)
{
    const std::vector<Cents>& curve = comparison.offers[offer].costCurve;
    const std::vector<Cents>& baseline = comparison.offers[comparison.baseline].costCurve;
    std::vector<Cents> difference(std::max(curve.size(), baseline.size()));
    for (std::size_t k = 0; k < difference.size(); ++k)
        difference[k] = costAt(curve, k) - costAt(baseline, k);
    return difference;
}

Cents offerPoints(Cents loan, std::int64_t pointsThousandths)
{
    return roundedQuotient(loan * pointsThousandths, 100000);
}

LoanOffersComparison compareLoanOffers(const LoanOffersInput& input)
{
    // The reader keeps every figure within its limits, so that no sum below leaves 64 bits.
    assert(!input.offers.empty() && input.offers.size() <= mostLoanOffers && input.down < input.price);
    LoanOffersComparison comparison;
    comparison.monthsKept = input.yearsKept * 12;
    for (const LoanOffer& offer : input.offers)
        comparison.offers.push_back(figuresOf(input, offer));
    auto& offers = comparison.offers;

    // One offer alone is compared with nothing: it is neither best nor measured against a baseline.
    const auto baseline = std::ranges::min_element(offers, {}, &OfferFigures::cashToClose);
    comparison.baseline = static_cast<std::size_t>(baseline - offers.begin());
    if (offers.size() < 2)
        return comparison;
    const auto cheapest = std::ranges::min_element(offers, {}, &OfferFigures::costInYearsKept);
    for (OfferFigures& figures : offers)
        figures.best = figures.costInYearsKept == cheapest->costInYearsKept;
    for (std::size_t i = 0; i < offers.size(); ++i) {
        if (i == comparison.baseline)
            continue;
        OfferFigures& figures = offers[i];
        figures.costsNoMoreThanBaseline = runsAtOrBelow(figures.costCurve, baseline->costCurve);
        if (!figures.costsNoMoreThanBaseline.empty() && !figures.costsNoMoreThanBaseline.back().to)
            figures.breakEvenPayment = figures.costsNoMoreThanBaseline.back().from;
    }
    return comparison;
}

} // namespace calculators
