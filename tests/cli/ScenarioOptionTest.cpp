// corvanta-calc --scenario: the fields of a file's section under the options given, the refusals that name the
// file, and the sections' fields against every subcommand's options, so that the two never drift apart.
#include "cli/ScenarioOption.h"

#include "RegionalPresets.h"
#include "cli/CommandLine.h"
#include "cli/CommandList.h"
#include "scenario/Scenario.h"
#include "scenario/ScenarioFields.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Arguments = std::vector<std::string>;

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

Outcome run(const Arguments& arguments, const regional::RegionalSettings& settings)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(arguments, out, err, { settings, { 2026, 12, 8 } });
    return { status, out.str(), err.str() };
}

std::string scenarioFile(const std::string& sections, const std::string& version = "1.0")
{
    return R"({"format": "corvanta-scenario", "formatVersion": ")" + version + R"(", "sections": {)" + sections + "}}";
}

const std::string house = scenarioFile(R"(
    "loan": {"rate": 7, "years": 15, "amount": 100000, "payment": 900},
    "plan": {"rate": 7, "years": 30, "amount": 200000, "first-payment": "2027-01-01", "extra": 100, "from": 13,
        "once": [{"payment": 60, "amount": 10000}, {"payment": 72, "amount": 5000}]},
    "compare": {"price": 400000, "down": "10%", "first-payment": "2027-01-01",
        "offer": [{"name": "Bank", "rate": 6.5, "years": 30, "points": 1}, {"rate": 6.875, "years": 30}]})");

const Arguments housePlan { "plan", "--rate", "7", "--years", "30", "--amount", "200000", "--first-payment",
    "2027-01-01", "--extra", "100", "--from", "13" };
const Arguments houseOffers { "compare", "--price", "400000", "--down", "10%", "--first-payment", "2027-01-01",
    "--offer", "name=Bank,rate=6.5,years=30,points=1", "--offer", "rate=6.875,years=30" };

Arguments joined(Arguments start, const Arguments& more)
{
    start.insert(start.end(), more.begin(), more.end());
    return start;
}

struct ScenarioCase
{
    const char* name;
    std::string file; // what the file holds; a case named for a missing file or a directory writes none
    Arguments arguments; // before --scenario FILE
    Arguments sameAs; // the options that mean the same, or none for a refusal
    int status = 0;
    std::string err = {}; // standard error, FILE for the file's name; for a refusal, its beginning
    bool euro = false;
};

void PrintTo(const ScenarioCase& c, std::ostream* out)
{
    *out << c.name;
}

class ScenarioOption : public testing::TestWithParam<ScenarioCase>
{ };

std::string replaced(std::string text, const std::string& name, const std::string& path)
{
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + path.size()))
        text.replace(at, name.size(), path);
    return text;
}

TEST_P(ScenarioOption, GivesTheFieldsUnderTheOptions)
{
    const ScenarioCase& c = GetParam();
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "scenarios";
    std::filesystem::create_directories(folder);
    std::string path = (folder / (std::string(c.name) + ".corvanta")).string();
    if (std::string(c.name) == "ADirectory")
        path = folder.string();
    else if (std::string(c.name) != "AMissingFile")
        std::ofstream(path, std::ios::binary) << c.file;

    const auto settings = c.euro ? euroSettings() : unitedStatesSettings();
    const Outcome output = run(joined(c.arguments, { "--scenario", path }), settings);
    const std::string err = replaced(c.err, "FILE", path);
    if (c.sameAs.empty()) {
        EXPECT_EQ(output.status, c.status);
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.err.substr(0, err.size()), err);
        return;
    }
    const Outcome expected = run(c.sameAs, settings);
    ASSERT_EQ(expected.status, c.status) << expected.err;
    EXPECT_EQ(output.status, expected.status);
    EXPECT_EQ(output.err, err + expected.err);
    // Not the whole schedule when they differ.
    EXPECT_TRUE(output.out == expected.out) << output.out.substr(0, 400);
}

INSTANTIATE_TEST_SUITE_P(SameAsTheOptions, ScenarioOption,
    testing::Values(ScenarioCase { "TheLoanAlone", house, { "loan" },
                        { "loan", "--rate", "7", "--years", "15", "--amount", "100000", "--payment", "900" } },
        ScenarioCase { "TheScheduleReadsTheLoan", house, { "schedule", "--format", "csv" },
            { "schedule", "--rate", "7", "--years", "15", "--amount", "100000", "--format", "csv" } },
        ScenarioCase { "AnOptionReplacesItsField", house, { "loan", "--rate", "8" },
            { "loan", "--rate", "8", "--years", "15", "--amount", "100000" } },
        ScenarioCase { "AnEmptyOptionEmptiesItsField", house, { "loan", "--amount", "" },
            { "loan", "--rate", "7", "--years", "15", "--payment", "900" } },
        ScenarioCase { "TheOffersFromTheFile", house, { "compare", "--format", "json" },
            joined(houseOffers, { "--format", "json" }) },
        ScenarioCase { "OffersGivenReplaceTheFilesRows", house, { "compare", "--offer", "rate=6,years=15" },
            { "compare", "--price", "400000", "--down", "10%", "--first-payment", "2027-01-01", "--offer",
                "rate=6,years=15" } },
        // The window saves the greyed terms of a fixed rate as typed; the file reads as the window does.
        ScenarioCase { "AFixedRateWithTheTermsTheWindowGreys",
            scenarioFile(R"("compare": {"price": 400000, "down": 40000, "first-payment": "2027-01-01", "offer": [)"
                         R"({"rate": 6.5, "years": 30, "adjustable": "no", "fixed-years": 5, "first-cap": "x"},)"
                         R"({"rate": 5.75, "years": 30, "adjustable": "yes", "fixed-years": 5, "every": 6,)"
                         R"( "index": 4.31, "margin": 2.75, "first-cap": 2, "later-cap": 1, "lifetime-cap": 5}]})",
                "1.1"),
            { "compare", "--format", "json" },
            { "compare", "--price", "400000", "--down", "40000", "--first-payment", "2027-01-01", "--offer",
                "rate=6.5,years=30", "--offer",
                "rate=5.75,years=30,adjustable=yes,fixed-years=5,every=6,index=4.31,margin=2.75,caps=2/1/5", "--format",
                "json" } },
        ScenarioCase { "TheOneTimeRowsFromTheFile", house, { "plan", "--format", "csv" },
            joined(housePlan, { "--once", "60=10000 72=5000", "--format", "csv" }) },
        ScenarioCase { "OneTimeRowsGivenReplaceTheFilesRows", house, { "plan", "--once", "12=1" },
            joined(housePlan, { "--once", "12=1" }) },
        // The file's numbers are read with the decimal separator of the settings the command runs with.
        ScenarioCase { "NumbersUnderCommaDecimals",
            scenarioFile(R"("prepay": {"rate": 7.5, "years": 15, "amount": 100000, "extra": 100.5, "from": 13})"),
            { "prepay", "--format", "json" },
            { "prepay", "--rate", "7,5", "--years", "15", "--amount", "100000", "--extra", "100,5", "--from", "13",
                "--format", "json" },
            0, "", true },
        ScenarioCase { "ANewerMinorVersionsFieldsAreTold",
            scenarioFile(R"("required-return": {"current": 10000, "desired": 20000, "years": 10, "tax": 25})", "1.2"),
            { "required-return" }, { "required-return", "--current", "10000", "--desired", "20000", "--years", "10" },
            0, "corvanta-calc: FILE: Fields of a newer version (format 1.2) were left out: required-return.tax.\n" }),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Refused, ScenarioOption,
    testing::Values(
        // A refused field whose text came from the file is named as the file and the field.
        ScenarioCase { "AFieldFromTheFile", scenarioFile(R"("loan": {"rate": 31, "years": 15, "amount": 1000})"),
            { "loan" }, {}, 2, "FILE: rate: Interest rate must be between 1 and 30" },
        ScenarioCase { "ARowFromTheFile", house, { "plan", "--years", "5" }, {}, 2,
            "FILE: once: The payment number in row 2 of the one-time extra payments must be a whole number from 1 "
            "to 60." },
        ScenarioCase { "AFieldGivenAsAnOption", house, { "loan", "--years", "0" }, {}, 2,
            "--years: Years must be between 1 and 50\n" },
        ScenarioCase { "AMissingFile", "", { "loan" }, {}, 2, "--scenario: FILE: The file does not exist.\n" },
        ScenarioCase { "ADirectory", "", { "loan" }, {}, 2, "--scenario: FILE: It is a directory, not a file.\n" },
        ScenarioCase { "TooLarge", house + std::string(scenario::maxScenarioBytes, '\n'), { "loan" }, {}, 2,
            "--scenario: FILE: The file is larger than 1 MiB, more than a scenario holds.\n" },
        ScenarioCase { "NotAScenario", R"({"rate": 7})", { "loan" }, {}, 2,
            "--scenario: FILE: The file is not a Corvanta scenario" },
        ScenarioCase { "NotJson", "rate = 7", { "loan" }, {}, 2,
            "--scenario: FILE: The file is not JSON: line 1, column 1: a value is expected.\n" },
        ScenarioCase { "NoSectionForTheSubcommand", house, { "savings" }, {}, 2,
            "--scenario: FILE: The scenario has no savings section.\n" },
        ScenarioCase { "GivenTwice", house, { "loan", "--scenario", "other.corvanta" }, {}, 2,
            "corvanta-calc: --scenario is given more than once\n" }),
    [](const auto& info) { return std::string(info.param.name); });

// Every subcommand's fields are a section's, by the same names: a new option without its field in the file would
// be lost on saving, and a field without its option refused on reading.
TEST(ScenarioSections, HoldEverySubcommandsOptions)
{
    std::set<std::string> sectionsUsed;
    for (const cli::Subcommand* subcommand : cli::subcommands()) {
        SCOPED_TRACE(subcommand->name);
        const std::string_view name = cli::scenarioSectionOf(*subcommand);
        const scenario::ScenarioSection* section = scenario::scenarioSection(name);
        ASSERT_NE(section, nullptr);
        sectionsUsed.emplace(name);
        std::set<std::string> fields;
        std::set<std::string> tables;
        for (const cli::Option& option : subcommand->options)
            (option.repeats ? tables : fields).emplace(option.name);
        const std::set<std::string> sectionFields(section->fields.begin(), section->fields.end());
        std::set<std::string> sectionTables;
        for (const scenario::ScenarioTable& table : section->tables)
            sectionTables.emplace(table.name);
        // The schedule reads the loan page's fields, some of them.
        if (name != subcommand->name) {
            EXPECT_TRUE(std::ranges::includes(sectionFields, fields));
            continue;
        }
        EXPECT_EQ(sectionFields, fields);
        EXPECT_EQ(sectionTables, tables);
    }
    EXPECT_EQ(sectionsUsed.size(), scenario::scenarioSections().size());
}

} // namespace
