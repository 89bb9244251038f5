#pragma once

// An adjustable rate as a Loan Estimate discloses it: fixed for some years, then moved toward a target at each
// change within the caps, and the level payment recast whenever the rate moves; every figure a whole cent.
#include "calculators/extrapayments/ExtraPaymentsPlan.h"

#include <cstdint>
#include <span>
#include <vector>

namespace calculators {

// The terms of an adjustable rate, read exactly: rates in ten-thousandths of a percent, caps in thousandths of a
// percentage point.
struct AdjustableTerms
{
    std::int32_t fixedYears = 0; // the first change comes with payment 12 * fixedYears + 1
    std::int32_t everyMonths = 0;
    std::int64_t indexTenThousandths = 0; // the index today
    std::int64_t marginTenThousandths = 0;
    std::int64_t firstCapThousandths = 0;
    std::int64_t laterCapThousandths = 0;
    std::int64_t lifetimeCapThousandths = 0; // above the initial rate
    std::int64_t lowestTenThousandths = 0;
    bool operator==(const AdjustableTerms&) const = default;
};

// The limits the reader keeps.
constexpr std::int32_t longestChangeMonths = 60;
constexpr std::int64_t highestIndexOrMargin = 200000; // 20 %, in ten-thousandths
constexpr std::int64_t highestRateCap = 20000; // 20 percentage points, in thousandths

// Where each change moves the rate: toward the index today plus the margin (the index unchanged), toward the highest
// rate (the worst case) or toward the lowest (the best case).
enum class RateCase { indexUnchanged, worst, best };

// The index today plus the margin, rounded to the nearest eighth of a percentage point (a sixteenth rounds up).
std::int64_t indexedRate(const AdjustableTerms& terms);

// The initial rate plus the lifetime cap, in ten-thousandths.
std::int64_t highestAdjustableRate(std::int64_t initialTenThousandths, const AdjustableTerms& terms);

// The payment numbers at which the rate may change: 12 * fixedYears + 1, then every everyMonths, up to payments.
std::vector<std::int32_t> changePayments(const AdjustableTerms& terms, std::int32_t payments);

// The rate in force for each payment, index 0 for payment 1: at each change the rate before it moved toward the
// case's target, first within the change's cap of it, then within the lowest and the highest rate.
std::vector<std::int64_t> ratePath(
    std::int64_t initialTenThousandths, std::int32_t payments, const AdjustableTerms& terms, RateCase rateCase);

// A loan paid monthly at the rates of a path: the level payment of the first rate over the whole term, recast over
// the payments left (the planner's rule, at any rate) whenever the rate moves; the last payment clears the balance.
struct LevelSchedule
{
    std::vector<PlanRow> rows; // until the balance is 0.00, at most a payment per rate
    std::vector<Cents> levels; // the level payment in force for each row
    std::vector<std::int64_t> rates; // the rate in force for each row
};
LevelSchedule levelSchedule(Cents amount, std::span<const std::int64_t> rates, const finance::CivilDate& firstPayment);

} // namespace calculators
