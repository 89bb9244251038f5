#pragma once

#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "finance/Extended.h"
#include "regional/RegionalSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace calculators {

using finance::Extended;

// The matrix window's grid: a heading row, the amounts, then one block of rates per loan term.
constexpr int matrixColumnCount = 5;
constexpr int matrixRowCount = 11;

// What the fill reads: the field texts as typed and the spin box values.
struct MatrixEntries
{
    std::string startLoan; // whole number
    std::string loanIncrement; // whole number
    std::string startRate; // annual percent, decimal
    std::string rateIncrement; // percentage points, decimal
    std::int32_t amountCount = 4; // 1 to 4
    std::int32_t rateCount = 3; // 1 to 3
    std::int32_t term1 = 1; // years
    std::int32_t term2 = 1; // years
};

// The matrix's text fields "amount", "increment" and "rate", checked as the window checks them; then its spin boxes'
// "years", "years2", "amounts" and "rates" and its rate step "rate-step" (0.125 to 2 points, in eighths), each within
// the limits the window's controls keep. The fill reads the texts as typed, the rate step as the scroll bar writes
// it.
std::variant<MatrixEntries, FieldFailure> readMatrix(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// The matrix's field texts and grid on opening, from the loan page's "amount", "years" and "rate": the amount and the
// rate as typed, an increment of a tenth of the amount, both terms the loan's, 4 amounts, 3 rates and a step of 0.25
// points. They are made in the window's order: an amount or a term that is no whole number ends the opening there, and
// its conversion error is told.
constexpr int openingRateStep = 2; // eighths of a point: 0.25
constexpr std::int32_t openingAmounts = 4;
constexpr std::int32_t openingRates = 3;
struct MatrixOpening
{
    FieldTexts texts;
    std::optional<std::int32_t> years; // both terms, when the loan's is a whole number
    // What the grid opens filled with, unchecked: the fill reads the texts as they are.
    MatrixEntries entries;
    std::optional<std::string> error;
};
MatrixOpening matrixOpening(const FieldTexts& loan, const regional::RegionalSettings& settings);

using MatrixCellWriter = std::function<void(int column, int row, const std::string& text)>;
// The figure behind a cell's text: an amount or a payment.
using MatrixFigureWriter = std::function<void(int column, int row, Extended figure)>;

// Clears every cell, then writes the headings, amounts and payments cell by cell, and each amount's and payment's
// figure to `figure` where one is given. A text that does not convert or an arithmetic error ends the fill where it
// occurs, so the cells written so far stay.
void fillLoanMatrix(const MatrixEntries& entries, const regional::RegionalSettings& settings,
    const MatrixCellWriter& write, const MatrixFigureWriter& figure = {});

// The rate step chosen on the scroll bar, positions 1 to 16, as 0.125 points per position: ".250",
// "1.125". The decimal separator is the regional one, so that the fill can read the text back.
std::string rateIncrementText(int position, const regional::RegionalSettings& settings);

// The monthly payment of a loan over a term in years. Terms below one year are taken as 0, which
// divides by zero; a term too long for a 32-bit month count is paid as a perpetuity, as it would be.
Extended matrixPayment(Extended amount, Extended annualRatePercent, std::int32_t years);

} // namespace calculators
