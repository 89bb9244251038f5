#include "calculators/loan/LoanMatrix.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/FinanceErrors.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calculators {

namespace {

constexpr int amountRow = 1;
constexpr int firstTermRow = 2;

std::string termHeading(int loan, std::int32_t years)
{
    return " Loan #" + std::to_string(loan) + " = " + regional::integerText(years) + " years:";
}

} // namespace

std::variant<MatrixEntries, FieldFailure> readMatrix(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    auto fields = readFields(checks::matrix, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&fields))
        return std::move(*failure);
    auto spins = readFields(checks::matrixSpins, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&spins))
        return std::move(*failure);
    const FieldValues& values = std::get<FieldValues>(spins);
    const FieldCheck& rateStep = checks::matrixSpins[4];
    const Extended eighths = values.decimal(rateStep.field) * 8;
    if (eighths != std::floor(eighths))
        return FieldFailure { rateStep.field, std::nullopt, std::string(rateStep.message) };

    MatrixEntries entries;
    entries.startLoan = texts.text("amount");
    entries.loanIncrement = texts.text("increment");
    entries.startRate = texts.text("rate");
    entries.rateIncrement = rateIncrementText(static_cast<int>(eighths), settings);
    entries.amountCount = values.whole("amounts");
    entries.rateCount = values.whole("rates");
    entries.term1 = values.whole("years");
    entries.term2 = values.whole("years2");
    return entries;
}

MatrixOpening matrixOpening(const FieldTexts& loan, const regional::RegionalSettings& settings)
{
    MatrixOpening opening;
    FieldTexts& texts = opening.texts;
    // Taken in the window's order; a text that is no whole number ends the opening there.
    const auto whole = [&opening](const std::string& text) -> std::optional<std::int32_t> {
        try {
            return regional::wholeNumberEntry(text);
        } catch (const finance::EConvertError& error) {
            opening.error = error.what();
            return std::nullopt;
        }
    };
    texts.set("amount", loan.text("amount"));
    const auto amount = whole(loan.text("amount"));
    if (!amount)
        return opening;
    texts.set("increment", regional::integerText(*amount / 10));
    opening.years = whole(loan.text("years"));
    if (!opening.years)
        return opening;
    texts.set("years", regional::integerText(*opening.years));
    texts.set("years2", regional::integerText(*opening.years));
    texts.set("rate", loan.text("rate"));
    texts.set("rate-step", rateIncrementText(openingRateStep, settings));
    texts.set("amounts", regional::integerText(openingAmounts));
    texts.set("rates", regional::integerText(openingRates));

    MatrixEntries& entries = opening.entries;
    entries.startLoan = texts.text("amount");
    entries.loanIncrement = texts.text("increment");
    entries.startRate = texts.text("rate");
    entries.rateIncrement = texts.text("rate-step");
    entries.amountCount = openingAmounts;
    entries.rateCount = openingRates;
    entries.term1 = entries.term2 = *opening.years;
    return opening;
}

Extended matrixPayment(Extended amount, Extended annualRatePercent, std::int32_t years)
{
    const std::int64_t months = std::max<std::int64_t>(years, 0) * 12;
    const auto periods
        = static_cast<std::int32_t>(std::min<std::int64_t>(months, std::numeric_limits<std::int32_t>::max()));
    return finance::Payment(
        finance::monthlyRate(annualRatePercent), periods, -amount, 0, finance::PaymentTiming::EndOfPeriod);
}

void fillLoanMatrix(const MatrixEntries& entries, const regional::RegionalSettings& settings,
    const MatrixCellWriter& write, const MatrixFigureWriter& figure)
{
    const auto writeFigure = [&figure](int column, int row, Extended value) {
        if (figure)
            figure(column, row, value);
    };
    for (int column = 0; column < matrixColumnCount; ++column)
        for (int row = 0; row < matrixRowCount; ++row)
            write(column, row, {});

    // Amounts in 64 bits: start + step x 3 cannot leave that range, however large the typed numbers.
    const auto amount = [&entries](int column) {
        return static_cast<std::int64_t>(regional::wholeNumberEntry(entries.startLoan))
            + static_cast<std::int64_t>(regional::wholeNumberEntry(entries.loanIncrement)) * (column - 1);
    };
    const auto rate = [&entries, &settings](int index) {
        const Extended start = regional::decimalNumberEntry(entries.startRate, settings);
        const Extended step = regional::decimalNumberEntry(entries.rateIncrement, settings);
        return finance::checked::result(step * index + start);
    };
    const auto rateHeading
        = [&](int index) { return "    Interest Rate = " + regional::generalText(rate(index), settings) + "%"; };

    // The spin boxes keep these in range; the clamps only guard the grid's size.
    const int amountCount = std::clamp(entries.amountCount, 1, matrixColumnCount - 1);
    const int rateCount = std::clamp(entries.rateCount, 1, 3);

    for (int column = 1; column <= amountCount; ++column) {
        write(column, 0, " Loan Amount #" + std::to_string(column));
        write(column, amountRow, " $" + std::to_string(amount(column)));
        writeFigure(column, amountRow, static_cast<Extended>(amount(column)));
    }

    const bool twoTerms = entries.term2 != entries.term1;
    const int secondTermRow = firstTermRow + 1 + rateCount;
    write(0, firstTermRow, termHeading(1, entries.term1));
    for (int index = 0; index < rateCount; ++index)
        write(0, firstTermRow + 1 + index, rateHeading(index));
    if (twoTerms) {
        write(0, secondTermRow, termHeading(2, entries.term2));
        for (int index = 0; index < rateCount; ++index)
            write(0, secondTermRow + 1 + index, rateHeading(index));
    }

    const auto payments = [&](int headingRow, std::int32_t years) {
        for (int index = 0; index < rateCount; ++index)
            for (int column = 1; column <= amountCount; ++column) {
                const Extended payment = matrixPayment(static_cast<Extended>(amount(column)), rate(index), years);
                write(column, headingRow + 1 + index, " " + regional::moneyText(payment, settings));
                writeFigure(column, headingRow + 1 + index, payment);
            }
    };
    payments(firstTermRow, entries.term1);
    if (twoTerms)
        payments(secondTermRow, entries.term2);
}

std::string rateIncrementText(int position, const regional::RegionalSettings& settings)
{
    const std::string digits = std::to_string(position * 125);
    if (digits.size() < 4)
        return settings.decimalSeparator + digits;
    return digits.substr(0, 1) + settings.decimalSeparator + digits.substr(1, 3);
}

} // namespace calculators
