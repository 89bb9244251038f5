// The one CSV writer, which the grids' Save as CSV and the command line share.
#include "calculators/CsvText.h"

#include <gtest/gtest.h>
#include <utility>

TEST(CsvField, QuotesOnlyWhatNeedsQuoting)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Month", "Month" },
        { "", "" },
        { " $165000", " $165000" },
        { "$8,069.34", "\"$8,069.34\"" },
        { "1.097,75 \u20ac", "\"1.097,75 \u20ac\"" },
        { "say \"hi\"", "\"say \"\"hi\"\"\"" },
        { "two\nlines", "\"two\nlines\"" },
        { "carriage\rreturn", "\"carriage\rreturn\"" },
    };
    for (const auto& [text, field] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(calculators::csvField(text), field);
    }
}
