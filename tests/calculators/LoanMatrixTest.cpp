// The loan payment matrix fill on its own: what the window's own tests cannot reach easily.
#include "calculators/loan/LoanMatrix.h"

#include "RegionalPresets.h"
#include "finance/FinanceErrors.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>

namespace {

using calculators::MatrixEntries;
using Cells = std::map<std::pair<int, int>, std::string>; // (column, row) -> text, empty cells left out

// Runs a fill into a map; an error leaves what was written before it.
Cells fill(const MatrixEntries& entries, const regional::RegionalSettings& settings = {})
{
    Cells cells;
    const auto write = [&cells](int column, int row, const std::string& text) {
        EXPECT_TRUE(
            column >= 0 && column < calculators::matrixColumnCount && row >= 0 && row < calculators::matrixRowCount);
        if (text.empty())
            cells.erase({ column, row });
        else
            cells[{ column, row }] = text;
    };
    try {
        calculators::fillLoanMatrix(entries, settings, write);
    } catch (const finance::EZeroDivide&) {
        cells[{ -1, -1 }] = "division by zero";
    }
    return cells;
}

// Payments from P = A i / (1 - (1 + i)^-n), i = rate / 1200, in 50-digit decimal arithmetic.
TEST(LoanMatrix, OneAmountOneRateTwoTerms)
{
    const Cells expected {
        { { 1, 0 }, " Loan Amount #1" },
        { { 1, 1 }, " $300000" },
        { { 0, 2 }, " Loan #1 = 10 years:" },
        { { 0, 3 }, "    Interest Rate = 7%" },
        { { 1, 3 }, " $3,483.25" },
        { { 0, 4 }, " Loan #2 = 30 years:" },
        { { 0, 5 }, "    Interest Rate = 7%" },
        { { 1, 5 }, " $1,995.91" },
    };
    EXPECT_EQ(fill({ "300000", "0", "7", "2.000", 1, 1, 10, 30 }), expected);
}

TEST(LoanMatrix, TermsAreTakenAsTyped)
{
    const auto payment = [](std::int32_t years) {
        const Cells cells = fill({ "100000", "0", "8", ".125", 1, 1, years, years });
        const auto found = cells.find({ 1, 3 });
        return found == cells.end() ? cells.at({ -1, -1 }) : found->second;
    };
    EXPECT_EQ(payment(99), " $666.92"); // 1188 months
    // Past any 32-bit month count the loan is paid as a perpetuity: the interest alone.
    EXPECT_EQ(payment(2147483647), " $666.67");
    for (const std::int32_t years : { 0, -5, -2147483647 - 1 })
        EXPECT_EQ(payment(years), "division by zero") << years;
}

TEST(LoanMatrix, AmountsOfZeroAndBeyond32Bits)
{
    const Cells zero = fill({ "0", "0", "7", ".250", 4, 3, 15, 15 });
    EXPECT_EQ(zero.at({ 4, 1 }), " $0");
    EXPECT_EQ(zero.at({ 4, 5 }), " $0.00");
    EXPECT_EQ(fill({ "2147483647", "2147483647", "7", ".250", 4, 1, 15, 15 }).at({ 4, 1 }), " $8589934588");
}

TEST(LoanMatrix, RateStepTextsUseTheRegionalDecimalSeparator)
{
    const char* expected[] = { ".125", ".250", ".375", ".500", ".625", ".750", ".875", "1.000", "1.125", "1.250",
        "1.375", "1.500", "1.625", "1.750", "1.875", "2.000" };
    const auto comma = euroSettings();
    for (int position = 1; position <= 16; ++position) {
        std::string withComma = expected[position - 1];
        withComma[withComma.find('.')] = ',';
        EXPECT_EQ(calculators::rateIncrementText(position, {}), expected[position - 1]);
        EXPECT_EQ(calculators::rateIncrementText(position, comma), withComma);
    }
}

} // namespace
