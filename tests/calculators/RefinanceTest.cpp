// The refinance figures on their own, and the break-even that a saving of exactly nothing cannot give.
#include "calculators/Refinance.h"

#include "finance/FinanceErrors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

using calculators::Extended;
using calculators::RefinanceInput;

// Reference figures from P = A i / (1 - (1 + i)^-n) with i = rate / 1200, costs + points x principal / 100
// and costs / saving, evaluated with 50-digit decimal arithmetic.
TEST(Refinance, SavingCostsAndBreakEven)
{
    const struct
    {
        const char* what;
        RefinanceInput input;
        Extended newPayment, saving, totalCosts, breakEven;
    } cases[] = {
        { "cheaper loan", { 1200, 150000, 30, 6.5L, 2000, 1 }, 948.102035L, 251.897965L, 3500, 13.8945148L },
        { "dearer loan", { 900, 150000, 30, 7, 2000, 1 }, 997.953743L, -97.953743L, 3500, -35.7311513L },
        { "fractional points", { 2500, 300000, 15, 4.25L, 3500, 1.5L }, 2256.835233L, 243.164767L, 8000, 32.8995031L },
        { "points of the new principal", { 1000, 100000, 30, 1, 0, 10 }, 321.639520L, 678.360480L, 10000, 14.7414248L },
        { "no costs", { 3000, 100000, 30, 3.75L, 0, 0 }, 463.115592L, 2536.884408L, 0, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto savings = calculators::refinanceSavings(c.input);
        EXPECT_NEAR(static_cast<double>(savings.newPayment), static_cast<double>(c.newPayment), 1e-6);
        EXPECT_NEAR(static_cast<double>(savings.monthlySaving), static_cast<double>(c.saving), 1e-6);
        EXPECT_EQ(savings.totalClosingCosts, c.totalCosts);
        EXPECT_NEAR(static_cast<double>(calculators::breakEvenMonths(savings)), static_cast<double>(c.breakEven), 1e-6);
    }
}

TEST(Refinance, NoSavingHasNoBreakEven)
{
    const auto message = [](Extended totalCosts) -> std::string {
        try {
            calculators::breakEvenMonths({ 948.1L, 0, totalCosts });
            return "no error";
        } catch (const finance::FinanceError& error) {
            return error.what();
        }
    };
    EXPECT_EQ(message(3500), "Floating point division by zero");
    EXPECT_EQ(message(0), "Invalid floating point operation");
}

} // namespace
