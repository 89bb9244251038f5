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

// The monthly mortgage insurance on a schedule: asked only when the loan passes 80 % of the price, it ends once the
// scheduled balance reaches 78 % of the price, and at the latest at the middle of the term.
struct Premiums
{
    std::vector<Cents> due; // a premium or 0 for each row
    std::int32_t lastPayment = 0; // 0 without insurance
};

Premiums premiumsOn(const std::vector<PlanRow>& rows, const LoanOffersInput& input, const LoanOffer& offer)
{
    const Cents loan = input.price - input.down;
    const bool insured = 10 * loan > 8 * input.price;
    const Cents premium = insured ? roundedQuotient(loan * offer.insuranceThousandths, 1200000) : 0;
    const std::int32_t middle = offer.years * 12 / 2;
    Premiums premiums { std::vector<Cents>(rows.size(), 0), 0 };
    Cents balanceBefore = loan;
    for (std::size_t k = 1; k <= rows.size(); ++k) {
        if (premium > 0 && 100 * balanceBefore > 78 * input.price && static_cast<std::int32_t>(k) <= middle) {
            premiums.due[k - 1] = premium;
            premiums.lastPayment = static_cast<std::int32_t>(k);
        }
        balanceBefore = rows[k - 1].balance;
    }
    return premiums;
}

// What a schedule has cost by the years kept, its loan costs up front included.
struct KeptFigures
{
    Cents paid = 0;
    Cents principal = 0;
    Cents cost = 0;
    Cents balance = 0;
    std::vector<Cents> costCurve;
};

KeptFigures keptOn(const std::vector<PlanRow>& rows, const std::vector<Cents>& premiums, Cents loan, Cents upFront,
    std::int32_t yearsKept)
{
    KeptFigures kept;
    const std::size_t months = std::min(rows.size(), static_cast<std::size_t>(yearsKept) * 12);
    kept.paid = upFront;
    for (std::size_t k = 0; k < months; ++k) {
        kept.paid += rows[k].payment + premiums[k];
        kept.principal += rows[k].principal;
    }
    kept.cost = kept.paid - kept.principal;
    kept.balance = loan - kept.principal;
    kept.costCurve.push_back(upFront);
    for (std::size_t k = 0; k < rows.size(); ++k)
        kept.costCurve.push_back(kept.costCurve.back() + rows[k].interest + premiums[k]);
    return kept;
}

LevelSchedule scheduleOf(const LoanOffersInput& input, const LoanOffer& offer, RateCase rateCase)
{
    const std::int32_t months = offer.years * 12;
    const std::vector<std::int64_t> rates = offer.adjustable
        ? ratePath(offer.rateTenThousandths, months, *offer.adjustable, rateCase)
        : std::vector<std::int64_t>(static_cast<std::size_t>(months), offer.rateTenThousandths);
    return levelSchedule(input.price - input.down, rates, input.firstPaymentDate);
}

// The first payment whose value (a rate, a level payment) is the one given; the values are the payments' in order.
template <typename Value>
std::int32_t firstPaymentWith(const std::vector<Value>& values, Value value)
{
    return static_cast<std::int32_t>(std::ranges::find(values, value) - values.begin()) + 1;
}

AdjustableFigures adjustableFiguresOf(
    const LoanOffersInput& input, const LoanOffer& offer, const LevelSchedule& indexUnchanged, Cents upFront)
{
    const AdjustableTerms& terms = *offer.adjustable;
    AdjustableFigures figures;
    figures.firstChangePayment = 12 * terms.fixedYears + 1;
    figures.changeEveryMonths = terms.everyMonths;
    figures.indexedRate = indexedRate(terms);

    const std::vector<std::int64_t>& unchangedRates = indexUnchanged.rates;
    for (std::size_t k = 0; k < unchangedRates.size(); ++k)
        if (k == 0 || unchangedRates[k] != unchangedRates[k - 1])
            figures.rateSteps.push_back(
                { static_cast<std::int32_t>(k + 1), unchangedRates[k], indexUnchanged.levels[k] });

    // The last payment only clears the balance: its level payment is not one the borrower pays every month.
    const auto counted = [](const LevelSchedule& schedule) {
        std::vector<Cents> levels = schedule.levels;
        if (levels.size() > 1)
            levels.pop_back();
        return levels;
    };
    const LevelSchedule worst = scheduleOf(input, offer, RateCase::worst);
    figures.highestRate = std::ranges::max(worst.rates);
    figures.highestRatePayment = firstPaymentWith(worst.rates, figures.highestRate);
    const std::vector<Cents> worstLevels = counted(worst);
    figures.highestPayment = std::ranges::max(worstLevels);
    figures.highestPaymentFrom = firstPaymentWith(worstLevels, figures.highestPayment);
    const std::vector<Cents> bestLevels = counted(scheduleOf(input, offer, RateCase::best));
    figures.lowestPayment = std::ranges::min(bestLevels);
    figures.lowestPaymentFrom = firstPaymentWith(bestLevels, figures.lowestPayment);

    const Premiums premiums = premiumsOn(worst.rows, input, offer);
    KeptFigures kept = keptOn(worst.rows, premiums.due, input.price - input.down, upFront, input.yearsKept);
    figures.worstPaidInYearsKept = kept.paid;
    figures.worstCostInYearsKept = kept.cost;
    figures.worstBalanceAtYearsKept = kept.balance;
    figures.worstCostCurve = std::move(kept.costCurve);
    return figures;
}

OfferFigures figuresOf(const LoanOffersInput& input, const LoanOffer& offer)
{
    OfferFigures figures;
    const Cents loan = input.price - input.down;
    figures.loanAmount = loan;

    // A fixed rate's path never moves: its schedule is the planner's for the same loan.
    const LevelSchedule schedule = scheduleOf(input, offer, RateCase::indexUnchanged);
    const std::vector<PlanRow>& rows = schedule.rows;
    figures.monthlyPrincipalAndInterest = schedule.levels.front();
    figures.payments = static_cast<std::int32_t>(rows.size());

    const Premiums premiums = premiumsOn(rows, input, offer);
    figures.mortgageInsuranceLastPayment = premiums.lastPayment;
    figures.mortgageInsurance = premiums.lastPayment > 0 ? premiums.due.front() : 0;

    figures.monthlyTaxes = roundedQuotient(input.yearlyTax, 12);
    figures.monthlyInsurance = roundedQuotient(input.yearlyInsurance, 12);
    figures.monthlyDues = input.monthlyDues;
    figures.monthlyTotal = figures.monthlyPrincipalAndInterest + premiums.due.front() + figures.monthlyTaxes
        + figures.monthlyInsurance + figures.monthlyDues;

    figures.points = offerPoints(loan, offer.pointsThousandths);
    figures.prepaidFinanceCharge = std::max<Cents>(0, figures.points + offer.lenderFees - offer.lenderCredit);
    figures.amountFinanced = loan - figures.prepaidFinanceCharge;
    const Cents costsBeforeCredit = figures.points + offer.lenderFees + offer.closingCosts;
    figures.lenderCreditUsed = std::min(offer.lenderCredit, costsBeforeCredit);
    figures.creditNotUsed = offer.lenderCredit - figures.lenderCreditUsed;
    figures.loanCostsUpFront = costsBeforeCredit - figures.lenderCreditUsed;
    figures.cashToClose = input.down + figures.loanCostsUpFront;

    // An adjustable rate's APR is over its schedule with the index unchanged: the composite APR.
    std::vector<Cents> paid(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        paid[k] = rows[k].payment + premiums.due[k];
        figures.totalInterest += rows[k].interest;
    }
    figures.aprThousandths = finance::actuarialAprThousandths(paid, figures.amountFinanced);
    figures.totalInterestPercentThousandths = roundedQuotient(figures.totalInterest * 100000, loan);

    KeptFigures kept = keptOn(rows, premiums.due, loan, figures.loanCostsUpFront, input.yearsKept);
    figures.paidInYearsKept = kept.paid;
    figures.principalInYearsKept = kept.principal;
    figures.costInYearsKept = kept.cost;
    figures.balanceAtYearsKept = kept.balance;
    figures.costCurve = std::move(kept.costCurve);
    if (offer.adjustable)
        figures.adjustable = adjustableFiguresOf(input, offer, schedule, figures.loanCostsUpFront);
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
    return curveAgainstBaseline(comparison, comparison.offers[offer].costCurve);
}

std::vector<Cents> curveAgainstBaseline(const LoanOffersComparison& comparison, const std::vector<Cents>& curve)
{
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
