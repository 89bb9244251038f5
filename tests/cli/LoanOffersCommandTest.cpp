// corvanta-calc compare run in-process: the comparison's lines in each format, the calculator's own texts byte for
// byte, and refused offers with the window's warnings. The figures are those of LoanOffersTest's reference table.
#include "CommandOutput.h"
#include "RegionalPresets.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "cli/CommandLine.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

using Arguments = std::vector<std::string>;

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

Outcome run(const Arguments& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(arguments, out, err, { unitedStatesSettings(), { 2026, 12, 8 } });
    return { status, out.str(), err.str() };
}

Arguments joined(Arguments start, const Arguments& more)
{
    start.insert(start.end(), more.begin(), more.end());
    return start;
}

// Three offers on 280,000: the cheapest to close, one that never catches up with it, and one that does.
const Arguments threeOffers { "compare", "--price", "350000", "--down", "70000", "--first-payment", "2027-01-01",
    "--offer", "name=Cheap,rate=6.5,years=30,fees=800,closing=2000", "--offer",
    "name=Dear,rate=6.625,years=30,points=1,fees=1200,closing=2000", "--offer",
    "name=Lower rate,rate=6.125,years=30,points=1.5,fees=1200,closing=2000" };

// Two offers with the same costs in other fields, tied for the lowest cost in 3 years.
const Arguments tiedOffers { "compare", "--price", "300000", "--down", "60000", "--keep", "3", "--first-payment",
    "2027-01-01", "--offer", "name=Bank,rate=6.5,years=30,points=1,fees=1000,closing=2500", "--offer",
    "name=Credit union,rate=6.5,years=30,fees=3400,closing=2500", "--offer",
    "name=Broker,rate=7.125,years=30,closing=2500" };

TEST(LoanOffersCommand, ShowsTheComparisonInEachFormat)
{
    const struct
    {
        const char* name;
        Arguments arguments;
        std::vector<std::string> lines; // each a whole line of standard output
    } cases[] = {
        { "text grid", threeOffers,
            { "APR                                                            6.528%       6.765%                      "
              " "
              "6.309%",
                "In 5 years: cost                                           $91,098.19   $96,056.72                   "
                "$90,430.05",
                "Costs no more than Cheap (lowest cash to close)  lowest cash to close  never        from payment 53 "
                "(5/2031) on",
                "",
                "Over the 5 years you keep the loan, Lower rate costs least: $668.14 less than Cheap and $5,626.67 "
                "less than Dear." } },
        { "CSV with two offers best", joined(tiedOffers, { "--format", "csv" }),
            { ",Bank (best),Credit union (best),Broker\r",
                "In 3 years: cost,\"$51,912.08\",\"$51,912.08\",\"$53,031.34\"\r",
                "Costs no more than Broker (lowest cash to close),from payment 28 (4/2029) on,from payment 28 (4/2029) "
                "on,lowest cash to close\r" } },
        { "JSON offers", joined(threeOffers, { "--format=json" }),
            { "      \"name\": \"Lower rate\",", "      \"best\": true,",
                "      \"apr\": {\"value\": \"6.309\", \"text\": \"6.309%\"},",
                "      \"costInYearsKept\": {\"value\": \"90430.05\", \"text\": \"$90,430.05\"},",
                "      \"costsNoMoreThanBaseline\": [{\"from\": 53, \"to\": null}],",
                "      \"breakEvenPayment\": {\"value\": \"53\", \"text\": \"payment 53, 5/2031\"}",
                "      \"costsNoMoreThanBaseline\": [],", "      \"breakEvenPayment\": null",
                "  \"notes\": [\"Over the 5 years you keep the loan, Lower rate costs least: $668.14 less than Cheap "
                "and "
                "$5,626.67 less than Dear.\"]," } },
        // A name a spreadsheet would run as a formula is written as text; the figures stay numbers.
        { "CSV of a name that looks like a formula",
            { "compare", "--price", "300000", "--down", "60000", "--first-payment", "2027-01-01", "--offer",
                "name==1+2,rate=6.5,years=30", "--format", "csv" },
            { "Offer A name,\"'=1+2\"\r", ",\"'=1+2\"\r", "APR,6.500%\r" } },
        // The lines cross back when the insurance of the offer with the lowest cash to close ends: a run with an end
        // and no break-even for programs. A down payment of a tenth of the price.
        { "runs that end",
            { "compare", "--price", "450000", "--down", "10%", "--keep", "15", "--first-payment", "2027-01-01",
                "--offer", "name=MI Lender,rate=6.5,years=30,mi=0.4", "--offer",
                "name=Points Bank,rate=6.75,years=30,points=0.5", "--format", "json" },
            { "    [{\"text\": \"Loan amount\"}, {\"text\": \"$405,000.00\", \"value\": \"405000.00\"}, {\"text\": "
              "\"$405,000.00\", \"value\": \"405000.00\"}],",
                "      \"costsNoMoreThanBaseline\": [{\"from\": 41, \"to\": 150}],", "      \"breakEvenPayment\": null",
                "  \"notes\": [\"Over the 15 years you keep the loan, MI Lender costs least: $2,343.18 less than "
                "Points "
                "Bank.\"]," } },
        // An adjustable offer's caps as a Loan Estimate writes them; for programs its rate path and worst case, and
        // the rate type of every offer.
        { "adjustable rate",
            { "compare", "--price", "300000", "--down", "60000", "--keep", "10", "--first-payment", "2027-01-01",
                "--offer", "name=Fixed,rate=6.5,years=30", "--offer",
                "name=ARM,rate=5.5,years=30,adjustable=yes,fixed-years=5,every=6,index=4.31,margin=2.75,caps=2/1/5",
                "--format", "json" },
            { "      \"rateType\": \"fixed\",", "      \"rateType\": \"adjustable\",",
                "      \"firstChangePayment\": {\"value\": \"61\", \"text\": \"payment 61, 1/2032\"},",
                "      \"rateSteps\": [{\"from\": 1, \"rate\": {\"value\": \"5.500\", \"text\": \"5.500%\"}, "
                "\"payment\": {\"value\": \"1362.69\", \"text\": \"$1,362.69\"}}, {\"from\": 61, \"rate\": "
                "{\"value\": \"7.000\", \"text\": \"7.000%\"}, \"payment\": {\"value\": \"1568.38\", \"text\": "
                "\"$1,568.38\"}}],",
                "      \"highestRate\": {\"value\": \"10.500\", \"text\": \"10.500%\"},",
                "      \"lowestPaymentFrom\": {\"value\": \"67\", \"text\": \"payment 67, 7/2032\"},",
                "      \"worstCase\": {\"paidInYearsKept\": {\"value\": \"201444.66\", \"text\": \"$201,444.66\"}, "
                "\"costInYearsKept\": {\"value\": \"170199.43\", \"text\": \"$170,199.43\"}, "
                "\"balanceAtYearsKept\": {\"value\": \"208754.77\", \"text\": \"$208,754.77\"}},",
                "  \"notes\": [\"Over the 10 years you keep the loan, ARM costs least: $7,340.05 less than Fixed.\", "
                "\"If each change raises the rate of ARM as far as its caps allow, it costs $170,199.43 over those "
                "years, $24,700.99 more than Fixed.\"]," } },
        // Insurance on a 95 % loan ends by the 78 % rule; the keys come in any order.
        { "mortgage insurance",
            { "compare", "--price", "300000", "--down", "15000", "--tax", "4200", "--insurance", "1500", "--dues", "50",
                "--first-payment", "2027-01-01", "--offer",
                "mi=0.55,closing=3000,fees=1200,points=0.5,years=30,rate=6.75" },
            { "Mortgage insurance per month                 $130.63",
                "Mortgage insurance ends          payment 139, 7/2038",
                "Total monthly payment                      $2,504.13",
                "APR                                           7.281%" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome output = run(c.arguments);
        ASSERT_EQ(output.status, 0) << output.err;
        EXPECT_EQ(output.err, "");
        for (const std::string& line : c.lines)
            EXPECT_NE(("\n" + output.out).find("\n" + line + "\n"), std::string::npos) << line << "\n" << output.out;
    }
}

// What the window shows, read and computed by the calculator itself, is what the command writes.
TEST(LoanOffersCommand, WritesTheCalculatorsTextsByteForByte)
{
    calculators::FieldTexts texts { { "price", "350000" }, { "down", "70000" }, { "first-payment", "2027-01-01" } };
    texts.addRow("offer",
        { { "name", "Cheap" }, { "rate", "6.5" }, { "years", "30" }, { "fees", "800" }, { "closing", "2000" } });
    texts.addRow("offer",
        { { "name", "Dear" }, { "rate", "6.625" }, { "years", "30" }, { "points", "1" }, { "fees", "1200" },
            { "closing", "2000" } });
    texts.addRow("offer",
        { { "name", "Lower rate" }, { "rate", "6.125" }, { "years", "30" }, { "points", "1.5" }, { "fees", "1200" },
            { "closing", "2000" } });
    const auto input = std::get<calculators::LoanOffersInput>(calculators::readLoanOffers(texts, {}));
    const auto comparison = calculators::compareLoanOffers(input);
    const auto rows = calculators::comparisonRows(input, comparison, {});
    const auto figures = calculators::offerFigureCells(input, comparison, {});

    const auto json = parseCommandJson(run(joined(threeOffers, { "--format", "json" })).out);
    ASSERT_TRUE(json);
    ASSERT_EQ(json->grid.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(json->grid[r].size(), rows[r].cells.size() + 1);
        EXPECT_EQ(json->grid[r][0].first, rows[r].caption);
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c)
            EXPECT_EQ(json->grid[r][c + 1], std::pair(rows[r].cells[c].text, rows[r].cells[c].value));
    }
    const auto& offers = json->lists.at("offers");
    ASSERT_EQ(offers.size(), figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        EXPECT_EQ(offers[i].at("name"), input.offers[i].name);
        EXPECT_EQ(offers[i].at("best"), comparison.offers[i].best ? "true" : "false");
        for (const auto& [name, cell] : figures[i]) {
            SCOPED_TRACE(name);
            const std::string key(name);
            if (key == "costsNoMoreThanBaseline") {
                std::string runs;
                for (const calculators::CostRun& run : comparison.offers[i].costsNoMoreThanBaseline)
                    runs += (runs.empty() ? "" : " ") + std::to_string(run.from) + "-"
                        + (run.to ? std::to_string(*run.to) : "");
                EXPECT_EQ(offers[i].at(key), runs);
            } else if (cell.value.empty()) {
                EXPECT_EQ(offers[i].at(key), "null");
            } else {
                EXPECT_EQ(offers[i].at(key + ".value"), cell.value);
                EXPECT_EQ(offers[i].at(key + ".text"), cell.text);
            }
        }
    }
}

// A comma is a decimal comma unless a key and "=" follow it.
TEST(LoanOffersCommand, ReadsDecimalCommasAndCommasInNames)
{
    if (!regional::localeRegionalSettings("de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const Outcome euro = run(
        { "compare", "--locale", "de_DE.UTF-8", "--price", "350000", "--down", "70000", "--first-payment", "2027-01-01",
            "--offer", "name=Bank, Inc.,rate=6,125,years=30,points=1,5,fees=1200,closing=2000", "--format", "csv" });
    ASSERT_EQ(euro.status, 0) << euro.err;
    // Fields go between semicolons where the decimal separator is a comma; the inputs as typed come first.
    EXPECT_EQ(euro.out.rfind("Home price;350000\r\nDown payment;70000\r\n", 0), 0u) << euro.out;
    EXPECT_NE(euro.out.find("\r\nOffer A name;Bank, Inc.\r\nOffer A rate (%);6,125\r\n"), std::string::npos);
    EXPECT_NE(euro.out.find("\r\n\r\n;Bank, Inc.\r\n"), std::string::npos) << euro.out;
    EXPECT_NE(euro.out.find("\r\nAPR;6,309%\r\n"), std::string::npos) << euro.out;
}

TEST(LoanOffersCommand, RefusesWithTheWindowsWarningNamingTheOption)
{
    const Arguments purchase { "compare", "--price", "300000", "--down", "60000" };
    const struct
    {
        const char* name;
        Arguments arguments;
        int status;
        const char* message; // the beginning of standard error
    } cases[] = {
        { "a fifth offer",
            joined(purchase,
                { "--offer", "rate=6,years=30", "--offer", "rate=6,years=30", "--offer", "rate=6,years=30", "--offer",
                    "rate=6,years=30", "--offer", "rate=6,years=30" }),
            2, "--offer: There can be at most 4 offers.\n" },
        // Empty offers take their places too, so that a blank name goes by its place among four.
        { "a fifth offer after four empty ones",
            joined(purchase,
                { "--offer", "rate=,years=30", "--offer", "rate=,years=30", "--offer", "rate=,years=30", "--offer",
                    "rate=,years=30", "--offer", "rate=6,years=30" }),
            2, "--offer: There can be at most 4 offers.\n" },
        { "a down payment of the whole price",
            { "compare", "--price", "300000", "--down", "100 %", "--offer", "rate=6,years=30" }, 2,
            "--down: The down payment must be an amount from 0 to 1000000000" },
        { "an unknown key", joined(purchase, { "--offer", "rate=6,years=30,apr=6.1" }), 2,
            "--offer: An offer is written as key=value pairs separated by commas" },
        { "a pair without =", joined(purchase, { "--offer", "6.5,years=30" }), 2,
            "--offer: An offer is written as key=value pairs separated by commas" },
        { "a key twice", joined(purchase, { "--offer", "rate=6,years=30,rate=7" }), 2,
            "--offer: An offer is written as key=value pairs separated by commas" },
        { "two caps", joined(purchase, { "--offer", "rate=6,years=30,adjustable=yes,caps=2/1" }), 2,
            "--offer: The caps of Offer A must be three numbers separated by slashes" },
        { "caps and a cap of them", joined(purchase, { "--offer", "rate=6,years=30,caps=2/1/5,first-cap=2" }), 2,
            "--offer: An offer is written as key=value pairs separated by commas" },
        { "an adjustable term of a fixed offer", joined(purchase, { "--offer", "name=Bank,rate=6,years=30,index=4" }),
            2, "--offer: Bank has a fixed rate, which has no index today" },
        { "first payment in another order", joined(purchase, { "--first-payment", "1/1/2027" }), 2,
            "--first-payment: The first payment date is written as year-month-day" },
        { "price given twice", joined(purchase, { "--price", "5" }), 2,
            "corvanta-calc: --price is given more than once\nUsage: corvanta-calc compare" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome output = run(c.arguments);
        EXPECT_EQ(output.status, c.status);
        EXPECT_EQ(output.out, "");
        EXPECT_EQ(output.err.rfind(c.message, 0), 0u) << output.err;
    }
}

} // namespace
