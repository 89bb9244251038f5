#pragma once

// An offer's figures as tests/calculators/loan_offers_expected.py prints them, the comparison's rules in exact
// rational arithmetic, and their check against what the comparison gave.
#include "calculators/loanoffers/LoanOffers.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// A run of payments at or below the baseline; to 0: to the end of the longer term.
struct ExpectedRun
{
    std::int32_t from;
    std::int32_t to;
};

struct ExpectedOffer
{
    calculators::Cents payment;
    calculators::Cents premium;
    std::int32_t lastPremiumPayment;
    calculators::Cents monthlyTotal;
    calculators::Cents points;
    calculators::Cents cashToClose;
    calculators::Cents amountFinanced;
    std::int64_t aprThousandths;
    std::int64_t totalInterestPercentThousandths;
    calculators::Cents totalInterest;
    std::int32_t payments;
    calculators::Cents paid;
    calculators::Cents principal;
    calculators::Cents cost;
    calculators::Cents balance;
    std::int32_t breakEvenPayment; // 0: none
    bool best;
    std::vector<ExpectedRun> runs;
};

inline void expectOfferFigures(
    const calculators::OfferFigures& got, const ExpectedOffer& expected, const calculators::LoanOffersInput& input)
{
    EXPECT_EQ(got.loanAmount, input.price - input.down);
    EXPECT_EQ(got.monthlyPrincipalAndInterest, expected.payment);
    EXPECT_EQ(got.mortgageInsurance, expected.premium);
    EXPECT_EQ(got.mortgageInsuranceLastPayment, expected.lastPremiumPayment);
    EXPECT_EQ(got.monthlyTotal, expected.monthlyTotal);
    EXPECT_EQ(got.points, expected.points);
    EXPECT_EQ(got.cashToClose, expected.cashToClose);
    EXPECT_EQ(got.amountFinanced, expected.amountFinanced);
    EXPECT_EQ(got.aprThousandths, expected.aprThousandths);
    EXPECT_EQ(got.totalInterestPercentThousandths, expected.totalInterestPercentThousandths);
    EXPECT_EQ(got.totalInterest, expected.totalInterest);
    EXPECT_EQ(got.payments, expected.payments);
    EXPECT_EQ(got.paidInYearsKept, expected.paid);
    EXPECT_EQ(got.principalInYearsKept, expected.principal);
    EXPECT_EQ(got.costInYearsKept, expected.cost);
    EXPECT_EQ(got.balanceAtYearsKept, expected.balance);
    EXPECT_EQ(
        got.breakEvenPayment, expected.breakEvenPayment == 0 ? std::nullopt : std::optional(expected.breakEvenPayment));
    EXPECT_EQ(got.best, expected.best);
    std::vector<calculators::CostRun> runs;
    for (const ExpectedRun& run : expected.runs)
        runs.push_back({ run.from, run.to == 0 ? std::nullopt : std::optional(run.to) });
    EXPECT_EQ(got.costsNoMoreThanBaseline, runs);
    // The cost in the years kept is the cost curve at their last payment.
    ASSERT_EQ(got.costCurve.size(), static_cast<std::size_t>(got.payments) + 1);
    const auto kept = std::min(got.payments, input.yearsKept * 12);
    EXPECT_EQ(got.costCurve[static_cast<std::size_t>(kept)], got.costInYearsKept);
}
