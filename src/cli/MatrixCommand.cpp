// corvanta-calc matrix: the loan payment matrix's grid, the payments of up to four amounts at up to three rates
// over one or two terms.
#include "calculators/Checks.h"
#include "calculators/loan/LoanMatrix.h"
#include "cli/CommandList.h"
#include "regional/Formats.h"

#include <cstddef>
#include <string>
#include <vector>

namespace cli {

namespace {

namespace checks = calculators::checks;

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

// The window opens with the loan's texts and its own opening values; the command line gives them where its options
// leave them out. A loan text the opening cannot use leaves its fields empty, for the matrix's reader to refuse.
calculators::FieldTexts withOpeningValues(const Given& given, const Context& context)
{
    calculators::FieldTexts texts = given.fieldTexts();
    texts.addMissing(calculators::matrixOpening(texts, context.settings).texts);
    return texts;
}

Report run(const Given& given, const Context& context)
{
    const calculators::MatrixEntries entries
        = readOptions(calculators::readMatrix, withOpeningValues(given, context), context);

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
