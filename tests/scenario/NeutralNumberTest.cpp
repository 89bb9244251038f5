// A scenario's numbers in one form whatever the regional settings: typed under German settings, written, opened
// under English ones, written again and opened under German settings once more.
#include "RegionalPresets.h"
#include "scenario/Scenario.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <variant>

namespace {

struct NeutralCase
{
    const char* name;
    const char* german; // typed under German settings
    const char* inFile; // the JSON value the file holds
    const char* english; // as it opens under English settings
    const char* backInGerman; // written under English settings and opened under German ones
};

// The text in a field and in a table's cell, written under one settings and read under the other.
scenario::Scenario carried(const scenario::Scenario& typed, const regional::RegionalSettings& typedIn,
    const regional::RegionalSettings& shownIn, std::string* written = nullptr)
{
    const std::string file = scenario::writeScenario(typed, typedIn, "2.0");
    if (written)
        *written = file;
    const auto read = scenario::readScenario(file, shownIn);
    if (const auto* error = std::get_if<scenario::ScenarioError>(&read)) {
        ADD_FAILURE() << error->message << "\n" << file;
        return {};
    }
    return std::get<scenario::ReadScenario>(read).scenario;
}

scenario::Scenario withText(const std::string& text)
{
    scenario::Scenario typed;
    typed.sections["loan"].set("amount", text);
    typed.sections["compare"].addRow("offer", { { "rate", text } });
    return typed;
}

void PrintTo(const NeutralCase& c, std::ostream* out)
{
    *out << c.name;
}

class NeutralNumbers : public testing::TestWithParam<NeutralCase>
{ };

TEST_P(NeutralNumbers, CrossBetweenSettings)
{
    const NeutralCase& c = GetParam();
    std::string file;
    const scenario::Scenario english = carried(withText(c.german), euroSettings(), unitedStatesSettings(), &file);
    EXPECT_NE(file.find(std::string("\"amount\": ") + c.inFile + "\n"), std::string::npos) << file;
    EXPECT_NE(file.find(std::string("\"rate\": ") + c.inFile + "\n"), std::string::npos) << file;
    EXPECT_EQ(english, withText(c.english));
    EXPECT_EQ(carried(english, unitedStatesSettings(), euroSettings()), withText(c.backInGerman));
}

INSTANTIATE_TEST_SUITE_P(GermanAndEnglish, NeutralNumbers,
    testing::Values(NeutralCase { "DecimalComma", "6,125", "6.125", "6.125", "6,125" },
        NeutralCase { "Negative", "-0,5", "-0.5", "-0.5", "-0,5" },
        NeutralCase { "TrailingZerosKept", "6,50", "6.50", "6.50", "6,50" },
        NeutralCase { "Whole", "450000", "450000", "450000", "450000" }, NeutralCase { "Zero", "0", "0", "0", "0" },
        NeutralCase { "Exponent", "1,5e-3", "1.5e-3", "1.5e-3", "1,5e-3" },
        // JSON numbers have no leading zeros: the text keeps its digits as a string, which reads alike everywhere.
        NeutralCase { "LeadingZeros", "007", "\"007\"", "007", "007" },
        // German grouping is no plain number where it was typed, so it stays a text; under English settings the
        // same text is a plain number, and it is one from then on.
        NeutralCase { "GermanGrouping", "1.000", "\"1.000\"", "1.000", "1,000" },
        NeutralCase { "APercentSign", "12,5 %", "\"12,5 %\"", "12,5 %", "12,5 %" },
        NeutralCase { "Empty", "", "\"\"", "", "" }, NeutralCase { "Letters", "abc", "\"abc\"", "abc", "abc" },
        NeutralCase { "ADate", "2027-01-01", "\"2027-01-01\"", "2027-01-01", "2027-01-01" },
        // Blanks and a plus sign are kept as typed, which only a string can do.
        NeutralCase { "Blanks", " 6,5", "\" 6,5\"", " 6,5", " 6,5" },
        NeutralCase { "APlusSign", "+6,5", "\"+6,5\"", "+6,5", "+6,5" },
        NeutralCase { "HalfTyped", "6,", "\"6,\"", "6,", "6," },
        NeutralCase { "AFullStopTypedUnderGerman", "6.5", "\"6.5\"", "6.5", "6,5" },
        NeutralCase { "TwoSeparators", "6,5,1", "\"6,5,1\"", "6,5,1", "6,5,1" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
