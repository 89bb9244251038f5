// corvanta-calc run in-process: every subcommand's example in the three formats, read back by parsers of the
// tests' own; refused fields with the window's warnings; arithmetic and usage errors; a locale's formats.
#include "cli/CommandLine.h"

#include "CommandOutput.h"
#include "RegionalPresets.h"
#include "cli/CommandList.h"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> arguments, const regional::RegionalSettings& settings = unitedStatesSettings())
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(arguments, out, err, { settings, { 2026, 12, 8 } });
    return { status, out.str(), err.str() };
}

// A subcommand's example as arguments, up to a shell redirection.
std::vector<std::string> exampleOf(const cli::Subcommand& subcommand)
{
    std::vector<std::string> arguments { std::string(subcommand.name) };
    std::istringstream words { std::string(subcommand.example) };
    for (std::string word; words >> word && word != ">";)
        arguments.push_back(word);
    return arguments;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> found;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        found.push_back(line);
    return found;
}

// A date cell's value: 2050-01-31.
bool isIsoDate(std::string_view text)
{
    const auto digitsAt = [&text](std::size_t from, std::size_t count) {
        return text.substr(from, count).find_first_not_of("0123456789") == std::string_view::npos;
    };
    return text.size() == 10 && text[4] == '-' && text[7] == '-' && digitsAt(0, 4) && digitsAt(5, 2) && digitsAt(8, 2);
}

// -?[0-9]+(\.[0-9]+)? (std::regex trips GCC 12's uninitialised-use warning under the sanitizers).
bool isExactDecimal(std::string_view text)
{
    if (text.substr(0, 1) == "-")
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(text.substr(0, point)) && (point == std::string_view::npos || digits(text.substr(point + 1)));
}

TEST(CommandLine, EveryExampleRunsAndReadsBackTheSameInEveryFormat)
{
    for (const cli::Subcommand* subcommand : cli::subcommands()) {
        SCOPED_TRACE(subcommand->name);
        auto arguments = exampleOf(*subcommand);
        const Outcome text = run(arguments);
        ASSERT_EQ(text.status, 0) << text.err;
        arguments.push_back("--format=json");
        const Outcome json = run(arguments);
        arguments.back() = "--format=csv";
        const Outcome csv = run(arguments);
        ASSERT_EQ(json.status, 0);
        ASSERT_EQ(csv.status, 0);
        EXPECT_EQ(text.err + json.err + csv.err, "");

        const auto parsed = parseCommandJson(json.out);
        ASSERT_TRUE(parsed) << json.out;
        EXPECT_EQ(parsed->command, subcommand->name);
        auto records = parseCsv(csv.out);
        ASSERT_TRUE(records) << csv.out;
        // The records up to the first empty one are the inputs as given, where a command writes them.
        const auto blank = std::find(records->begin(), records->end(), std::vector<std::string> { "" });
        if (blank != records->end())
            records->erase(records->begin(), blank + 1);
        const auto shown = lines(text.out);
        ASSERT_GE(shown.size(), parsed->texts.size());
        EXPECT_EQ(std::vector(shown.begin(), shown.begin() + static_cast<long>(parsed->texts.size())), parsed->texts);

        // A grid goes out as the grid's Save as CSV writes it, figures as records of name, value and text.
        std::vector<std::vector<std::string>> expected;
        if (parsed->grid.empty())
            expected.push_back({ "figure", "value", "text" });
        for (const auto& row : parsed->grid) {
            auto& texts = expected.emplace_back();
            for (const auto& [cellText, value] : row) {
                texts.push_back(cellText);
                EXPECT_TRUE(value.empty() || isExactDecimal(value) || isIsoDate(value)) << value;
            }
        }
        for (const std::string& name : parsed->figureOrder) {
            const auto& [value, figureText] = parsed->figures.at(name);
            EXPECT_TRUE(isExactDecimal(value)) << name << " " << value;
            if (parsed->grid.empty())
                expected.push_back({ name, value, figureText });
        }
        EXPECT_EQ(*records, expected);

        const Outcome help = run({ std::string(subcommand->name), "--help" });
        EXPECT_EQ(help.status, 0);
        for (const cli::Option& option : subcommand->options)
            EXPECT_NE(help.out.find("--" + std::string(option.name) + " VALUE"), std::string::npos) << option.name;
        EXPECT_NE(help.out.find(std::string(subcommand->example)), std::string::npos);
    }
}

// The examples' figures, as the windows' tests know them.
TEST(CommandLine, ExamplesShowTheWindowsFigures)
{
    const std::pair<const char*, const char*> cases[] = {
        { "loan", "Monthly Payment =  $898.83" },
        { "schedule", "    1   $583.33    $315.49  $99,684.51" },
        { "prepay", "Interest Savings: $9,555.61" },
        { "matrix", "    Interest Rate = 7.5%           $927.01        $1,019.71        $1,112.41        $1,205.12" },
        { "savings", "$19,318.14 value in future" },
        { "required-return", "Requires 7.18 average percent return each year." },
        { "college", "13 years from now, the planned education will cost $56,892" },
        { "plan", "With the extra payments: 212 payments, paid off in 8/2044" },
        { "compare",
            "Over the 5 years you keep the loan, ARM costs least: $16,080.20 less than Offer A and $7,067.62 less "
            "than Offer B." },
    };
    for (const auto& [name, line] : cases) {
        SCOPED_TRACE(name);
        const Outcome output = run(exampleOf(*cli::findSubcommand(name)));
        EXPECT_NE(output.out.find(std::string(line) + "\n"), std::string::npos) << output.out;
    }
}

// A subcommand's example as its help prints it with the settings, as arguments up to a shell redirection; none
// when the help shows no example.
std::vector<std::string> helpExampleOf(const cli::Subcommand& subcommand, const regional::RegionalSettings& settings)
{
    const std::string help = run({ std::string(subcommand.name), "--help" }, settings).out;
    const std::string lead = "Example:\n  corvanta-calc ";
    const auto start = help.find(lead);
    if (start == std::string::npos)
        return {};
    const auto from = start + lead.size();
    std::istringstream words(help.substr(from, help.find('\n', from) - from));
    std::vector<std::string> arguments;
    for (std::string word; words >> word && word != ">";)
        arguments.push_back(word);
    return arguments;
}

// Every subcommand's example runs as its help prints it, with a decimal point and with a decimal comma.
TEST(CommandLine, EveryHelpExampleRunsAsPrinted)
{
    for (const bool euro : { false, true }) {
        const regional::RegionalSettings settings = euro ? euroSettings() : unitedStatesSettings();
        for (const cli::Subcommand* subcommand : cli::subcommands()) {
            SCOPED_TRACE(std::string(subcommand->name) + (euro ? " in comma decimals" : ""));
            const auto arguments = helpExampleOf(*subcommand, settings);
            ASSERT_FALSE(arguments.empty());
            const Outcome output = run(arguments, settings);
            EXPECT_EQ(output.status, 0) << output.err;
        }
    }
}

// The planner's CSV begins with its options as given, under the window's captions, separated as the locale has it.
TEST(CommandLine, ThePlansCsvBeginsWithItsOptionsAsGiven)
{
    const std::vector<std::vector<std::string>> head = { { "Interest rate (%)", "7" }, { "Years", "30" },
        { "Loan amount", "200000" }, { "First payment", "2027-01-01" }, { "Extra each month", "100" },
        { "From payment", "13" }, { "Through payment", "" }, { "Extra each year", "2000" }, { "Paid in", "4" },
        { "From year", "" }, { "One-time extra payment no.", "60" }, { "One-time extra amount", "10000" },
        { "Pay half the payment every two weeks", "" }, { "" },
        { "No.", "Date", "Payment", "Extra", "Interest", "Principal", "Balance" } };
    for (const bool euro : { false, true }) {
        SCOPED_TRACE(euro ? "comma decimals" : "decimal point");
        auto arguments = exampleOf(*cli::findSubcommand("plan"));
        arguments.push_back("--format=csv");
        const Outcome csv = run(arguments, euro ? euroSettings() : unitedStatesSettings());
        ASSERT_EQ(csv.status, 0) << csv.err;
        const auto records = parseCsv(csv.out, euro ? ';' : ',');
        ASSERT_TRUE(records) << csv.out;
        ASSERT_GT(records->size(), head.size());
        EXPECT_EQ(std::vector(records->begin(), records->begin() + static_cast<long>(head.size())), head);
    }
}

// Where each cell of a text line ends, in characters: the cells found one after the other.
std::vector<std::size_t> cellEnds(const std::string& line, const std::vector<std::string>& cells)
{
    std::vector<std::size_t> ends;
    std::size_t from = 0;
    for (const std::string& cell : cells) {
        const std::size_t at = line.find(cell, from);
        if (at == std::string::npos)
            return {};
        from = at + cell.size();
        const std::string before = line.substr(0, from);
        ends.push_back(static_cast<std::size_t>(std::count_if(
            before.begin(), before.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; })));
    }
    return ends;
}

struct AlignedGrid
{
    const char* subcommand;
    bool euro;
};

void PrintTo(const AlignedGrid& grid, std::ostream* out)
{
    *out << grid.subcommand << (grid.euro ? " in comma decimals" : "");
}

class TextHeadings : public ::testing::TestWithParam<AlignedGrid>
{ };

// Each heading over figures ends where its figures end, counted in characters ("€" is one).
TEST_P(TextHeadings, EndWhereTheirFiguresEnd)
{
    const auto settings = GetParam().euro ? euroSettings() : unitedStatesSettings();
    auto arguments = helpExampleOf(*cli::findSubcommand(GetParam().subcommand), settings);
    const Outcome text = run(arguments, settings);
    arguments.push_back("--format=json");
    const auto parsed = parseCommandJson(run(arguments, settings).out);
    ASSERT_EQ(text.status, 0) << text.err;
    ASSERT_TRUE(parsed);
    ASSERT_GE(parsed->grid.size(), 2u);
    const auto shown = lines(text.out);
    const std::size_t headingLine = parsed->texts.size();
    ASSERT_GT(shown.size(), headingLine + 1);
    const auto texts = [](const auto& row) {
        std::vector<std::string> cells;
        for (const auto& [cellText, value] : row)
            cells.push_back(cellText);
        return cells;
    };
    const auto headings = cellEnds(shown[headingLine], texts(parsed->grid[0]));
    const auto figures = cellEnds(shown[headingLine + 1], texts(parsed->grid[1]));
    ASSERT_EQ(headings.size(), parsed->grid[0].size()) << shown[headingLine];
    ASSERT_EQ(figures.size(), parsed->grid[1].size()) << shown[headingLine + 1];
    for (std::size_t column = 0; column < figures.size(); ++column) {
        if (parsed->grid[1][column].second.empty())
            continue;
        EXPECT_EQ(headings[column], figures[column]) << "column " << column << "\n"
                                                     << shown[headingLine] << "\n"
                                                     << shown[headingLine + 1];
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGrid, TextHeadings,
    ::testing::Values(AlignedGrid { "schedule", false }, AlignedGrid { "schedule", true },
        AlignedGrid { "matrix", false }, AlignedGrid { "plan", false }, AlignedGrid { "plan", true },
        AlignedGrid { "compare", false }, AlignedGrid { "compare", true }),
    [](const auto& info) { return std::string(info.param.subcommand) + (info.param.euro ? "_Euro" : ""); });

struct Refusal
{
    std::vector<std::string> arguments;
    int status;
    const char* message; // the beginning of standard error
};

TEST(CommandLine, RefusesWithTheWindowsWarningNamingTheOption)
{
    const Refusal cases[] = {
        // Checked in the window's order: the rate before the years.
        { { "loan", "--rate", "31", "--years", "0", "--amount", "1000" }, 2,
            "--rate: Interest rate must be between 1 and 30, decimal numbers OK" },
        // The loan as it stands, read without checks as the Schedule button reads it.
        { { "schedule", "--rate", "7", "--years", "x", "--amount", "1000" }, 1, "'x' is not a valid integer value.\n" },
        // Read as a whole number after its check, as the window reads it: the error box's text.
        { { "prepay", "--rate", "7", "--years", "15", "--amount", "1000", "--extra", "5", "--from", "13.5" }, 1,
            "'13.5' is not a valid integer value.\n" },
        { { "matrix", "--amount", "1000", "--rate", "7", "--years", "15", "--rate-step", "0.3" }, 2,
            "--rate-step: The rate step is 0.125 to 2 points, in steps of 0.125.\n" },
        { { "savings", "--rate", "7", "--years", "2", "--every", "day" }, 2, "--every: " },
        { { "savings", "--rate", "7", "--years", "2", "--contribution", "1,5" }, 1,
            "'1,5' is not a valid floating point value.\n" },
        { { "college", "--age", "5", "--start-age", "18", "--cost", "7000", "--years", "4", "--increase", "5" }, 2,
            "--fund: You must enter a valid amount in the Education Fund field." },
        // Retiring now with a shortage leaves no year to save in.
        { { "retirement", "--age", "65", "--retire-at", "65", "--income", "3000", "--years", "25", "--growth", "7",
              "--inflation", "3", "--assets", "0" },
            1, "Floating point division by zero.\n" },
        { { "plan", "--rate", "7", "--years", "30", "--amount", "1000", "--first-payment", "1/1/2027" }, 2,
            "--first-payment: The first payment date is written as year-month-day" },
        { { "plan", "--rate", "7", "--years", "30", "--amount", "1000", "--once", "12=5 400=1" }, 2,
            "--once: The payment number in row 2 of the one-time extra payments must be a whole number from 1 to "
            "360." },
        { { "plan", "--rate", "7", "--years", "30", "--amount", "1000", "--every-two-weeks", "often" }, 2,
            "--every-two-weeks: " },
        // Repeated --once options are the rows of one table, in the order given.
        { { "plan", "--rate", "7", "--years", "30", "--amount", "1000", "--once", "12=5", "--once", "400=1" }, 2,
            "--once: The payment number in row 2 of the one-time extra payments" },
        // Any other option given twice would lose a value.
        { { "plan", "--rate", "7", "--years", "30", "--amount", "1000", "--rate", "8" }, 2,
            "corvanta-calc: --rate is given more than once\nUsage: corvanta-calc plan" },
        { { "loan", "--rate", "", "--rate=7", "--years", "15", "--amount", "1000" }, 2,
            "corvanta-calc: --rate is given more than once\n" },
        { { "matrix", "--amount", "1000", "--rate", "7", "--years", "15", "--years2=30", "--years2", "15" }, 2,
            "corvanta-calc: --years2 is given more than once\n" },
        { { "loan", "--format", "csv", "--format=json" }, 2, "corvanta-calc: --format is given more than once\n" },
        { { "loan", "--locale", "C", "--locale", "C" }, 2, "corvanta-calc: --locale is given more than once\n" },
        // Command lines that cannot be read end in a usage line.
        { {}, 2, "Usage: corvanta-calc SUBCOMMAND" },
        { { "mortgage" }, 2, "corvanta-calc: unknown subcommand 'mortgage'\nUsage:" },
        { { "loan", "--rate", "--years", "15" }, 2, "corvanta-calc: --rate needs a value\nUsage: corvanta-calc loan" },
        { { "loan", "--extra", "1" }, 2, "corvanta-calc: unknown option '--extra'\nUsage:" },
        { { "loan", "7" }, 2, "corvanta-calc: unexpected argument '7'\nUsage:" },
        { { "loan", "--format", "xml" }, 2, "corvanta-calc: --format must be text, csv or json\nUsage:" },
        { { "loan", "--locale", "xx_NOWHERE" }, 2, "corvanta-calc: no locale named 'xx_NOWHERE'" },
    };
    for (const Refusal& refusal : cases) {
        const Outcome output = run(refusal.arguments);
        SCOPED_TRACE(output.err);
        EXPECT_EQ(output.status, refusal.status);
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.err.rfind(refusal.message, 0), 0u);
    }
}

// An empty value is the option left out, and repeated --once options are the rows one value can list.
TEST(CommandLine, CommandLinesThatMeanTheSameGiveTheSameOutput)
{
    using Arguments = std::vector<std::string>;
    const Arguments plan { "plan", "--rate", "7", "--years", "30", "--amount", "200000" };
    const Arguments loan { "loan", "--rate", "7", "--years", "15" };
    const Arguments matrix { "matrix", "--amount", "1000", "--rate", "7", "--years", "15" };
    const Arguments retirement { "retirement", "--age", "35", "--retire-at", "65", "--income", "3000", "--years", "25",
        "--growth", "7", "--inflation", "3" };
    // What is added to the same start: the arguments given, and those they mean.
    const std::tuple<const char*, Arguments, Arguments, Arguments> cases[] = {
        { "an empty first payment date", plan, { "--first-payment", "" }, {} },
        { "the planner's other empty options", plan,
            { "--yearly", "50", "--yearly-month=", "--once=", "--extra", "", "--every-two-weeks", "" },
            { "--yearly", "50" } },
        { "repeated --once", plan, { "--once", "60=10000", "--once", "61=5", "--once", "60=1" },
            { "--once", "60=10000 61=5 60=1" } },
        { "the matrix's empty options", matrix,
            { "--increment", "", "--rate-step", "", "--years2", "", "--amounts", "", "--rates", "" }, {} },
        { "an empty loan amount", loan, { "--amount", "", "--payment", "900" }, { "--payment", "900" } },
        { "empty retirement assets", retirement, { "--assets", "" }, {} },
        { "an empty format and locale", loan, { "--amount", "1000", "--format", "", "--locale=" },
            { "--amount", "1000" } },
    };
    for (const auto& [what, start, given, meant] : cases) {
        SCOPED_TRACE(what);
        Arguments givenArguments = start;
        givenArguments.insert(givenArguments.end(), given.begin(), given.end());
        Arguments meantArguments = start;
        meantArguments.insert(meantArguments.end(), meant.begin(), meant.end());
        const Outcome output = run(givenArguments);
        const Outcome expected = run(meantArguments);
        ASSERT_EQ(expected.status, 0) << expected.err;
        EXPECT_EQ(output.status, 0) << output.err;
        EXPECT_EQ(output.err, expected.err);
        // Not the whole schedule when they differ.
        EXPECT_TRUE(output.out == expected.out) << output.out.substr(0, 300);
    }
}

TEST(CommandLine, AMoreExpensiveRefinanceShowsItsFiguresAndTheWarning)
{
    const Outcome output = run({ "refinance", "--payment", "500", "--principal", "150000", "--years", "30", "--rate",
        "6", "--closing-costs", "0", "--points", "0" });
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.out.rfind("New Monthly Payment: $899.33\nMonthly Savings: ($399.33)\n", 0), 0u) << output.out;
    EXPECT_EQ(output.err,
        "corvanta-calc: ERROR: Your refinanced mortgage is MORE expensive than your current "
        "mortgage. Please double-check your data entry and re-enter.\n");
}

// A locale with comma decimals reads "7,5" and shows euros; LOCPATH points at the test locales.
TEST(CommandLine, ALocaleReadsAndShowsNumbersInItsOwnFormats)
{
    if (!regional::localeRegionalSettings("de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const Outcome euro
        = run({ "loan", "--locale", "de_DE.UTF-8", "--rate", "7,5", "--years", "15", "--amount", "100000" });
    EXPECT_EQ(euro.status, 0) << euro.err;
    EXPECT_EQ(lines(euro.out).at(0), "Monthly Payment =  927,01 \u20ac");
    const Outcome point
        = run({ "loan", "--locale", "de_DE.UTF-8", "--rate", "7.5", "--years", "15", "--amount", "1000" });
    EXPECT_EQ(point.status, 2);
    EXPECT_EQ(point.err.rfind("--rate: ", 0), 0u);
}

// The planner's texts in real locales: the program's English with the locale's numbers and dates, a payoff month
// in digits, and dates with four-digit years, their year-month-day beside them in JSON.
TEST(CommandLine, ThePlanReadsWellInEveryLocale)
{
    const struct
    {
        const char* locale;
        const char* payoffLine;
        const char* lastDate;
    } cases[] = {
        { "de_DE.UTF-8", "With the extra payments: 212 payments, paid off in 08.2044", "01.08.2044" },
        { "fr_FR.UTF-8", "With the extra payments: 212 payments, paid off in 08/2044", "01/08/2044" },
    };
    if (!regional::localeRegionalSettings("de_DE.UTF-8"))
        GTEST_SKIP() << "no test locales";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        ASSERT_TRUE(regional::localeRegionalSettings(c.locale));
        auto arguments = exampleOf(*cli::findSubcommand("plan"));
        arguments.insert(arguments.end(), { "--locale", c.locale, "--format=json" });
        const Outcome json = run(arguments);
        ASSERT_EQ(json.status, 0) << json.err;
        const auto parsed = parseCommandJson(json.out);
        ASSERT_TRUE(parsed) << json.out;
        EXPECT_EQ(parsed->texts.at(1), c.payoffLine);
        const auto& [lastDate, isoDate] = parsed->grid.back().at(1);
        EXPECT_EQ(lastDate, c.lastDate);
        EXPECT_EQ(isoDate, "2044-08-01");
    }
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput)
{
    const Outcome help = run({ "--help" });
    EXPECT_EQ(help.status, 0);
    for (const cli::Subcommand* subcommand : cli::subcommands())
        EXPECT_NE(help.out.find("  " + std::string(subcommand->name) + " "), std::string::npos) << subcommand->name;
    EXPECT_EQ(run({ "--version" }).out, "corvanta-calc 2.0\n");
}

} // namespace
