// The required rate of return on its own.
#include "calculators/RequiredReturn.h"

#include "finance/FinanceErrors.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string sentenceOf(calculators::Extended current, calculators::Extended desired, std::int32_t years)
{
    try {
        const auto annualReturn = calculators::requiredAnnualReturn(current, desired, years);
        return calculators::requiredReturnSentence(annualReturn, regional::RegionalSettings {});
    } catch (const finance::FinanceError& error) {
        return error.what();
    }
}

// Reference figures: ((desired / current)^(1 / years) - 1) x 100 in 50-digit decimal arithmetic.
TEST(RequiredReturn, Sentences)
{
    const struct
    {
        const char* what;
        calculators::Extended current, desired;
        std::int32_t years;
        const char* sentence;
    } cases[] = {
        { "doubling in ten years", 10000, 20000, 10, "Requires 7.18 average percent return each year." },
        { "4.72941", 250000, 1000000, 30, "Requires 4.73 average percent return each year." },
        { "a million times in a year", 1, 1000000, 1, "Requires 99999900.00 average percent return each year." },
        { "a percentage beyond the range", 1, 1e4932L, 1, "Floating point overflow" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sentenceOf(c.current, c.desired, c.years), c.sentence);
    }
}

} // namespace
