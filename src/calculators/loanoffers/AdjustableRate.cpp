#include "calculators/loanoffers/AdjustableRate.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace calculators {

namespace {

// An eighth of a percentage point in ten-thousandths of a percent.
constexpr std::int64_t eighth = 1250;

} // namespace

std::int64_t indexedRate(const AdjustableTerms& terms)
{
    return roundedQuotient(terms.indexTenThousandths + terms.marginTenThousandths, eighth) * eighth;
}

std::int64_t highestAdjustableRate(std::int64_t initialTenThousandths, const AdjustableTerms& terms)
{
    return initialTenThousandths + 10 * terms.lifetimeCapThousandths;
}

std::vector<std::int32_t> changePayments(const AdjustableTerms& terms, std::int32_t payments)
{
    std::vector<std::int32_t> changes;
    for (std::int32_t k = 12 * terms.fixedYears + 1; k <= payments; k += terms.everyMonths)
        changes.push_back(k);
    return changes;
}

std::vector<std::int64_t> ratePath(
    std::int64_t initialTenThousandths, std::int32_t payments, const AdjustableTerms& terms, RateCase rateCase)
{
    assert(terms.everyMonths >= 1 && terms.lowestTenThousandths <= initialTenThousandths);
    const std::int64_t highest = highestAdjustableRate(initialTenThousandths, terms);
    const std::int64_t lowest = terms.lowestTenThousandths;
    const std::int64_t target = rateCase == RateCase::worst ? highest
        : rateCase == RateCase::best                        ? lowest
                                                            : indexedRate(terms);
    const std::vector<std::int32_t> changes = changePayments(terms, payments);
    std::vector<std::int64_t> rates;
    std::int64_t rate = initialTenThousandths;
    auto change = changes.begin();
    for (std::int32_t k = 1; k <= payments; ++k) {
        if (change != changes.end() && *change == k) {
            const std::int64_t cap
                = 10 * (change == changes.begin() ? terms.firstCapThousandths : terms.laterCapThousandths);
            rate = std::clamp(std::clamp(target, rate - cap, rate + cap), lowest, highest);
            ++change;
        }
        rates.push_back(rate);
    }
    return rates;
}

LevelSchedule levelSchedule(Cents amount, std::span<const std::int64_t> rates, const finance::CivilDate& firstPayment)
{
    assert(!rates.empty() && amount >= 1);
    const auto months = static_cast<std::int32_t>(rates.size());
    LevelSchedule schedule;
    Cents level = regularPlanPayment(rates.front(), months, amount);
    Cents balance = amount;
    for (std::int32_t k = 1; k <= months && balance > 0; ++k) {
        const std::int64_t rate = rates[static_cast<std::size_t>(k - 1)];
        // A rate that moves recasts the payment over the payments left; one that stays keeps it.
        if (k > 1 && rate != rates[static_cast<std::size_t>(k - 2)])
            level = regularPlanPayment(rate, months - k + 1, balance);
        PlanRow row;
        row.number = k;
        row.date = planPaymentDate(firstPayment, k);
        row.interest = monthlyInterest(balance, rate);
        // The last payment clears the balance whatever its size, and never overpays.
        row.principal = balance + row.interest <= level || k == months ? balance : level - row.interest;
        row.payment = row.interest + row.principal;
        balance -= row.principal;
        row.balance = balance;
        schedule.rows.push_back(row);
        schedule.levels.push_back(level);
        schedule.rates.push_back(rate);
    }
    return schedule;
}

} // namespace calculators
