// The loan matrix's fill on arbitrary field texts (read inside the fill) and spin box values, which the
// window holds within their ranges but which are taken here as any whole number.
#include "CalculatorFuzz.h"
#include "calculators/loan/LoanMatrix.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::MatrixEntries entries;
        entries.amountCount = 1 + fields.choice() % 4;
        entries.rateCount = 1 + fields.choice() % 3;
        entries.startLoan = fields.text();
        entries.loanIncrement = fields.text();
        entries.startRate = fields.text();
        // Either a step from the scroll bar or typed text.
        const std::uint8_t position = fields.choice();
        entries.rateIncrement
            = position % 17 != 0 ? calculators::rateIncrementText(position % 17, fields.settings()) : fields.text();
        entries.term1 = fields.whole();
        entries.term2 = fields.whole();

        calculators::fillLoanMatrix(entries, fields.settings(), [](int column, int row, const std::string&) {
            fuzz::require(
                column >= 0 && column < calculators::matrixColumnCount && row >= 0 && row < calculators::matrixRowCount,
                "cell inside the grid");
        });
        fuzz::requireFinite(
            calculators::matrixPayment(fields.decimal(), fields.decimal(), fields.whole()), "finite payment");
    });
}
