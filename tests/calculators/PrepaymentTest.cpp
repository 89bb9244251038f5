// The prepayment loop on its own. Reference figures come from the same month loop run in 50-digit
// decimal arithmetic (Python's decimal module), independently of this code.
#include "calculators/loan/Prepayment.h"

#include "finance/FinanceErrors.h"

#include <gtest/gtest.h>

namespace {

using calculators::PrepaymentInput;

const regional::RegionalSettings us;

struct PrepaymentCase
{
    const char* name;
    PrepaymentInput input;
    const char* normal;
    const char* prepaid;
    const char* savings;
    const char* monthsReduced;
};

TEST(Prepayment, InterestAndMonthsAgainstReferenceFigures)
{
    const PrepaymentCase cases[] = {
        { "100 extra from month 1", { 7, 15, 100000, 100, 1 }, "$61,789.09", "$50,624.03", "$11,165.06", "29" },
        { "100 extra from month 13", { 7, 30, 200000, 100, 13 }, "$279,017.80", "$220,872.12", "$58,145.68", "65" },
        { "1 extra runs the whole term", { 7, 15, 100000, 1, 1 }, "$61,789.09", "$61,652.13", "$136.96", "0" },
        { "start after the term", { 7, 15, 100000, 100, 181 }, "$61,789.09", "$61,789.09", "$0.00", "0" },
        // Before the starting month the extra payment is not part of the stop threshold.
        { "large extra never paid", { 7, 15, 100000, 100000, 181 }, "$61,789.09", "$61,789.09", "$0.00", "0" },
        { "large extra from month 120", { 7, 15, 100000, 50000, 120 }, "$61,789.09", "$52,983.54", "$8,805.54", "61" },
        { "start in year 4", { 12.5L, 20, 250000, 333.33L, 37 }, "$431,684.33", "$325,727.66", "$105,956.67", "54" },
        { "start in year 6", { 8.25L, 30, 123456.78L, 250, 61 }, "$210,439.46", "$131,724.81", "$78,714.65", "130" },
        { "smallest loan", { 1, 1, 2, 1, 1 }, "$0.01", "$0.00", "$0.01", "11" },
        { "highest rate longest term", { 30, 50, 1000000, 1, 600 }, "$14,000,005.52", "$14,000,005.52", "$0.00", "0" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto texts = calculators::prepaymentTexts(calculators::analysePrepayment(c.input), us);
        EXPECT_EQ(texts.normalInterest, c.normal);
        EXPECT_EQ(texts.prepaidInterest, c.prepaid);
        EXPECT_EQ(texts.interestSavings, c.savings);
        EXPECT_EQ(texts.monthsReduced, c.monthsReduced);
    }
}

// At 1000 % a 15-year payment takes the perpetuity form, the interest alone, so the balance only falls
// by the extra payment, and not at all before the starting month or when the extra payment is below the
// balance's precision. The loop stops at the end of the term: 180 months of interest i x A.
TEST(Prepayment, EndsAtTheTermWhereTheBalanceStopsFalling)
{
    const struct
    {
        const char* name;
        PrepaymentInput input;
        const char* prepaid;
        const char* savings;
    } cases[] = {
        { "extra never reached", { 1000, 15, 100000, 100, 2000000000 }, "$15,000,000.00", "($100,000.00)" },
        { "extra below precision", { 1000, 15, 1e20L, 1, 1 }, "1.5E22", "-1E20" },
        { "longest term", { 1000, 999, 100000, 100, 2147483647 }, "$999,000,000.00", "($100,000.00)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = calculators::analysePrepayment(c.input);
        const auto texts = calculators::prepaymentTexts(result, us);
        EXPECT_EQ(result.monthsReduced, 0);
        EXPECT_EQ(texts.prepaidInterest, c.prepaid);
        EXPECT_EQ(texts.interestSavings, c.savings);
    }
}

TEST(Prepayment, TermsThePaymentCannotTakeRaise)
{
    EXPECT_THROW(calculators::analysePrepayment({ 7, 0, 100000, 100, 1 }), finance::EZeroDivide);
    try {
        calculators::analysePrepayment({ -1200, 15, 100000, 100, 1 });
        FAIL() << "no error";
    } catch (const finance::EInvalidArgument& error) {
        EXPECT_STREQ(error.what(), "Payment");
    }
    EXPECT_THROW(calculators::analysePrepayment({ 7, 200000000, 100000, 100, 1 }), finance::EOverflow);
    // Longer than the Years field's three digits allow: refused at once, not run for 1.8 million months.
    try {
        calculators::analysePrepayment({ 7, 150100, 100000, 0, 1 });
        FAIL() << "no error";
    } catch (const finance::FinanceError& error) {
        EXPECT_STREQ(error.what(), "A loan term has at most 999 years");
    }
}

} // namespace
