// The loan solver on its own: regional settings reach every figure and the date, and errors propagate.
#include "calculators/loan/LoanSolver.h"

#include "RegionalPresets.h"
#include "finance/FinanceErrors.h"

#include <gtest/gtest.h>

namespace {

using calculators::LoanInput;
using calculators::LoanSolveFor;

TEST(LoanSolver, ReportFollowsTheRegionalSettings)
{
    const LoanInput input { LoanSolveFor::MonthlyPayment, 7, 15, 100000, 0 };
    const auto solution = calculators::solveLoan(input);
    const auto settings = euroSettings();
    const auto lines = calculators::loanReportLines(input, solution, { "7", "15", { 2026, 3, 4 } }, settings);

    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Loan Analysis Date:    04.03.2026               Prepared for:                   Prepared by:");
    EXPECT_EQ(lines[4], "Borrowing 100.000,00 € would give you a monthly payment of 898,83 €");
    EXPECT_EQ(lines[5], "Interest cost over the term of the loan is:  61.789,09 €");
    EXPECT_EQ(calculators::loanResultCaption(input, solution, settings), "Monthly Payment =  898,83 €");
    // The field keeps digits only, so that later windows can read it back.
    EXPECT_EQ(calculators::loanSolvedFieldText(input, solution, settings), "899");
}

TEST(LoanSolver, AmountModeInvertsPaymentMode)
{
    // Reference: 180369.0815... for 1200 a month over 30 years at 7 %, from 50-digit decimal arithmetic.
    const LoanInput byPayment { LoanSolveFor::LoanAmount, 7, 30, 0, 1200 };
    const auto amount = calculators::solveLoan(byPayment);
    EXPECT_EQ(amount.months, 360);
    EXPECT_NEAR(static_cast<double>(amount.loanAmount), 180369.0815, 5e-5);

    const LoanInput byAmount { LoanSolveFor::MonthlyPayment, 7, 30, amount.loanAmount, 0 };
    EXPECT_NEAR(static_cast<double>(calculators::solveLoan(byAmount).monthlyPayment), 1200.0, 1e-9);
}

TEST(LoanSolver, AmountsBeyondTheExtendedRangeRaiseOverflow)
{
    const LoanInput huge { LoanSolveFor::MonthlyPayment, 7, 15, 1.1e4932L, 0 };
    EXPECT_THROW(calculators::solveLoan(huge), finance::EOverflow);
    const LoanInput hugePayment { LoanSolveFor::LoanAmount, 7, 30, 0, 1e4931L };
    EXPECT_THROW(calculators::solveLoan(hugePayment), finance::EOverflow);
}

} // namespace
