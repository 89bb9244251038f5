// corvanta-calc matrix: the loan payment matrix's grid, the payments of up to four amounts at up to three rates
// over one or two terms.
#include "calculators/Checks.h"
#include "calculators/LoanMatrix.h"
#include "cli/CommandList.h"
#include "finance/Formats.h"
#include "finance/NumberEntry.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace cli {

namespace {

namespace checks = calculators::checks;

constexpr int openingRateStep = 2;

const Option options[] = {
    { "amount", "the first loan amount", &checks::matrix[0] },
    { "increment", "the step between loan amounts; a tenth of --amount when left out", &checks::matrix[1] },
    { "rate", "the first annual interest rate in percent", &checks::matrix[2] },
    { "rate-step", "the step between rates in points; 0.25 when left out", &checks::matrixSpins[4] },
    { "years", "the first term in years", &checks::matrixSpins[0] },
    { "years2", "a second term in years; none when left out or equal to --years", &checks::matrixSpins[1] },
    { "amounts", "how many loan amounts; 4 when left out", &checks::matrixSpins[2] },
    { "rates", "how many rates; 3 when left out", &checks::matrixSpins[3] },
};

// The window opens with these where the command line leaves them out.
Given withOpeningValues(const Given& given, const Context& context)
{
    Given filled = given;
    // The increment opens as a tenth of the starting amount, once that amount is one the matrix takes.
    if (!given.has("increment") && calculators::accepts(checks::matrix[0], given.text("amount"), context.settings))
        filled.set("increment", finance::integerText(wholeOption(given, "amount") / 10));
    if (!given.has("years2"))
        filled.set("years2", given.text("years"));
    if (!given.has("amounts"))
        filled.set("amounts", "4");
    if (!given.has("rates"))
        filled.set("rates", "3");
    if (!given.has("rate-step"))
        filled.set("rate-step", calculators::rateIncrementText(openingRateStep, context.settings));
    return filled;
}

Report run(const Given& given, const Context& context)
{
    const Given filled = withOpeningValues(given, context);
    // The fill reads the amounts and the rate as texts, as the window's fields hold them.
    readOptions(checks::matrix, filled, context);
    const calculators::FieldValues spins = readOptions(checks::matrixSpins, filled, context);
    const finance::Extended eighths = spins.decimal("rate-step") * 8;
    if (eighths != std::floor(eighths))
        throw RefusedOption(checks::matrixSpins[4].field, checks::matrixSpins[4].message);

    // The fill reads the texts as the window's fields hold them, the rate step as its scroll bar writes it.
    calculators::MatrixEntries entries;
    entries.startLoan = filled.text("amount");
    entries.loanIncrement = filled.text("increment");
    entries.startRate = filled.text("rate");
    entries.rateIncrement = calculators::rateIncrementText(static_cast<int>(eighths), context.settings);
    entries.amountCount = spins.whole("amounts");
    entries.rateCount = spins.whole("rates");
    entries.term1 = spins.whole("years");
    entries.term2 = spins.whole("years2");

    Report report;
    report.grid.assign(calculators::matrixRowCount, std::vector<Cell>(calculators::matrixColumnCount));
    const auto cell = [&report](int column, int row) -> Cell& {
        return report.grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    };
    const int decimals = context.settings.moneyDecimals;
    calculators::fillLoanMatrix(
        entries, context.settings,
        [&cell](int column, int row, const std::string& text) { cell(column, row).text = text; },
        [&cell, decimals](int column, int row, finance::Extended figure) {
            // The amounts are whole; the payments show the money decimals.
            cell(column, row).value = exactDecimal(figure, row == 1 ? 0 : decimals);
        });
    return report;
}

} // namespace

const Subcommand& matrixCommand()
{
    static const Subcommand command { "matrix",
        "The loan payment matrix: the monthly payments of up to 4 loan amounts at up to 3 rates over 1 or 2 terms.",
        options, "--amount 100000 --rate 7 --years 15 --years2 30", run };
    return command;
}

} // namespace cli
