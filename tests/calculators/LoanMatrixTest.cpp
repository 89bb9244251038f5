// The loan payment matrix fill on its own: cell texts, partial fills before an error, the rate step.
#include "LoanMatrix.h"

#include "FinanceErrors.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using calculators::MatrixEntries;
using Cells = std::map<std::pair<int, int>, std::string>; // (column, row) -> text, empty cells left out

finance::RegionalSettings commaDecimal()
{
    finance::RegionalSettings settings;
    settings.currencySymbol = "€";
    settings.positiveCurrencyForm = 3;
    settings.thousandsSeparator = ".";
    settings.decimalSeparator = ",";
    return settings;
}

// Runs a fill into a map; what an error leaves behind is what was written before it.
Cells fill(const MatrixEntries& entries, const finance::RegionalSettings& settings = {})
{
    Cells cells;
    calculators::fillLoanMatrix(entries, settings, [&cells](int column, int row, const std::string& text) {
        EXPECT_TRUE(
            column >= 0 && column < calculators::matrixColumnCount && row >= 0 && row < calculators::matrixRowCount);
        if (text.empty())
            cells.erase({ column, row });
        else
            cells[{ column, row }] = text;
    });
    return cells;
}

std::vector<std::string> row(const Cells& cells, int number)
{
    std::vector<std::string> texts;
    for (int column = 0; column < calculators::matrixColumnCount; ++column) {
        const auto found = cells.find({ column, number });
        texts.push_back(found == cells.end() ? std::string() : found->second);
    }
    return texts;
}

// Payments below from P = A i / (1 - (1 + i)^-n), i = rate / 1200, in 50-digit decimal arithmetic.
TEST(LoanMatrix, WorkedExampleWithTwoTerms)
{
    const Cells cells = fill({ "150000", "15000", "7", ".250", 4, 3, 30, 15 });
    EXPECT_EQ(row(cells, 0),
        (std::vector<std::string> { "", " Loan Amount #1", " Loan Amount #2", " Loan Amount #3", " Loan Amount #4" }));
    EXPECT_EQ(row(cells, 1), (std::vector<std::string> { "", " $150000", " $165000", " $180000", " $195000" }));
    EXPECT_EQ(row(cells, 2)[0], " Loan #1 = 30 years:");
    EXPECT_EQ(row(cells, 3),
        (std::vector<std::string> { "    Interest Rate = 7%", " $997.95", " $1,097.75", " $1,197.54", " $1,297.34" }));
    EXPECT_EQ(row(cells, 4)[0], "    Interest Rate = 7.25%");
    EXPECT_EQ(row(cells, 5)[0], "    Interest Rate = 7.5%");
    EXPECT_EQ(row(cells, 6), (std::vector<std::string> { " Loan #2 = 15 years:", "", "", "", "" }));
    EXPECT_EQ(row(cells, 7),
        (std::vector<std::string> {
            "    Interest Rate = 7%", " $1,348.24", " $1,483.07", " $1,617.89", " $1,752.72" }));
    EXPECT_EQ(row(cells, 9)[0], "    Interest Rate = 7.5%");
    EXPECT_EQ(row(cells, 10), std::vector<std::string>(5));
    EXPECT_EQ(cells.size(), 4u + 4u + 2u + 4u * 6u + 6u);
}

TEST(LoanMatrix, OneTermTwoAmountsAndAnEighthPointStep)
{
    const Cells cells = fill({ "250000", "25000", "7.1", ".125", 2, 3, 20, 20 });
    EXPECT_EQ(
        row(cells, 3), (std::vector<std::string> { "    Interest Rate = 7.1%", " $1,953.28", " $2,148.61", "", "" }));
    EXPECT_EQ(
        row(cells, 4), (std::vector<std::string> { "    Interest Rate = 7.225%", " $1,972.15", " $2,169.37", "", "" }));
    EXPECT_EQ(
        row(cells, 5), (std::vector<std::string> { "    Interest Rate = 7.35%", " $1,991.12", " $2,190.23", "", "" }));
    for (int number = 6; number < calculators::matrixRowCount; ++number)
        EXPECT_EQ(row(cells, number), std::vector<std::string>(5)) << number;
}

TEST(LoanMatrix, SingleRateWithTwoTermsAndTheWidestStep)
{
    const Cells cells = fill({ "300000", "0", "7", "2.000", 1, 1, 10, 30 });
    EXPECT_EQ(row(cells, 3), (std::vector<std::string> { "    Interest Rate = 7%", " $3,483.25", "", "", "" }));
    EXPECT_EQ(row(cells, 4)[0], " Loan #2 = 30 years:");
    EXPECT_EQ(row(cells, 5)[0], "    Interest Rate = 7%");
    EXPECT_TRUE(row(cells, 6)[0].empty());

    const Cells threeRates = fill({ "300000", "0", "7", "2.000", 1, 3, 10, 10 });
    EXPECT_EQ(row(threeRates, 4), (std::vector<std::string> { "    Interest Rate = 9%", " $3,800.27", "", "", "" }));
    EXPECT_EQ(row(threeRates, 5), (std::vector<std::string> { "    Interest Rate = 11%", " $4,132.50", "", "", "" }));
}

TEST(LoanMatrix, TermsBeyondTheBoxAreComputedAsTyped)
{
    // 99 years = 1188 months; a term past any 32-bit month count is paid as the interest alone.
    EXPECT_EQ(row(fill({ "100000", "0", "8", ".125", 1, 1, 99, 99 }), 3)[1], " $666.92");
    EXPECT_EQ(row(fill({ "100000", "0", "8", ".125", 1, 1, 2147483647, 2147483647 }), 3)[1], " $666.67");
    EXPECT_EQ(
        row(fill({ "100000", "0", "8", ".125", 1, 1, 2147483647, 2147483647 }), 2)[0], " Loan #1 = 2147483647 years:");
}

TEST(LoanMatrix, TermsBelowOneYearStopAtTheirFirstPayment)
{
    for (const std::int32_t term : { 0, -5, -2147483647 - 1 }) {
        SCOPED_TRACE(term);
        Cells cells;
        EXPECT_THROW(calculators::fillLoanMatrix({ "100000", "10000", "7", ".250", 4, 3, 15, term }, {},
                         [&cells](int column, int row, const std::string& text) {
                             if (!text.empty())
                                 cells[{ column, row }] = text;
                         }),
            finance::EZeroDivide);
        // The first term's block and the second's headings were written; none of its payments.
        EXPECT_EQ(row(cells, 5)[4], " $1,205.12");
        EXPECT_FALSE(row(cells, 6)[0].empty());
        EXPECT_TRUE(row(cells, 7)[1].empty());
    }
}

TEST(LoanMatrix, ZeroAmountsPayNothingAndAmountsLeaveNoRoomForOverflow)
{
    const Cells zero = fill({ "0", "0", "7", ".250", 4, 3, 15, 15 });
    EXPECT_EQ(row(zero, 1), (std::vector<std::string> { "", " $0", " $0", " $0", " $0" }));
    EXPECT_EQ(row(zero, 5)[4], " $0.00");

    const Cells huge = fill({ "2147483647", "2147483647", "7", ".250", 4, 1, 15, 15 });
    EXPECT_EQ(row(huge, 1)[4], " $8589934588");
}

TEST(LoanMatrix, AnUnreadableRateStopsTheFillAtTheFirstRateHeading)
{
    Cells cells;
    try {
        calculators::fillLoanMatrix({ "150000", "15000", "7%", ".250", 4, 3, 30, 15 }, {},
            [&cells](int column, int row, const std::string& text) {
                cells[{ column, row }] = text;
            });
        ADD_FAILURE() << "the fill went through";
    } catch (const finance::EConvertError& error) {
        EXPECT_STREQ(error.what(), "'7%' is not a valid floating point value");
    }
    EXPECT_EQ(row(cells, 1)[4], " $195000");
    EXPECT_EQ(row(cells, 2)[0], " Loan #1 = 30 years:");
    EXPECT_TRUE(row(cells, 3)[0].empty());
}

TEST(LoanMatrix, RateStepTextsReadBackInTheirOwnLocale)
{
    const char* expected[] = { ".125", ".250", ".375", ".500", ".625", ".750", ".875", "1.000", "1.125", "1.250",
        "1.375", "1.500", "1.625", "1.750", "1.875", "2.000" };
    const finance::RegionalSettings us;
    for (int position = 1; position <= 16; ++position) {
        std::string comma = expected[position - 1];
        comma[comma.find('.')] = ',';
        EXPECT_EQ(calculators::rateIncrementText(position, us), expected[position - 1]);
        EXPECT_EQ(calculators::rateIncrementText(position, commaDecimal()), comma);
    }
    const Cells cells = fill(
        { "150000", "15000", "7", calculators::rateIncrementText(2, commaDecimal()), 1, 3, 30, 30 }, commaDecimal());
    EXPECT_EQ(row(cells, 4), (std::vector<std::string> { "    Interest Rate = 7,25%", " 1.023,26 €", "", "", "" }));
}

} // namespace
