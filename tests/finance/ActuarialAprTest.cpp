// The actuarial APR root, to the last thousandth of a percent.
#include "finance/ActuarialApr.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Roots at or within a hair of a half thousandth, where the extended sums alone cannot tell the side: 2,413,001
// paid a month after 2,400,000 is exactly 6.5005 % a year.
TEST(ActuarialApr, RoundsTheExactRootHalfAwayFromZero)
{
    const struct
    {
        const char* name;
        std::vector<std::int64_t> payments;
        std::int64_t amountFinanced;
        std::int64_t expected;
    } cases[] = {
        { "exactly a half", { 2413001 }, 2400000, 6501 },
        { "a hair below a half", { 241300100000000 - 1 }, 240000000000000, 6500 },
        { "a hair above a half", { 241300100000000 + 1 }, 240000000000000, 6501 },
        { "exactly a half in the second month", { 0, 5822573826001 }, 5760000000000, 6501 },
        { "a whole thousandth", { 2413000 }, 2400000, 6500 },
        { "no interest", { 1000, 1000, 1000 }, 3000, 0 },
        { "half of the first thousandth", { 2400001 }, 2400000, 1 },
        { "below half of the first thousandth", { 4800001 }, 4800000, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(finance::actuarialAprThousandths(c.payments, c.amountFinanced), c.expected);
    }
}

} // namespace
