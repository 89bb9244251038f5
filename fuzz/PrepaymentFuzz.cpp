// The prepayment window's calculator on the loan page's rate, years and amount texts and its own extra
// payment and start month, in the order the window reads them.
#include "CalculatorFuzz.h"
#include "calculators/loan/Prepayment.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        calculators::PrepaymentInput input;
        input.annualRatePercent = fields.decimal();
        input.years = fields.whole();
        input.loanAmount = fields.decimal();
        input.extraPayment = fields.decimal();
        input.startMonth = fields.whole();

        const calculators::PrepaymentResult result = calculators::analysePrepayment(input);
        fuzz::requireFinite(result.normalInterest, "finite normal interest");
        fuzz::requireFinite(result.prepaidInterest, "finite prepaid interest");
        fuzz::requireFinite(result.interestSavings, "finite savings");
        const calculators::PrepaymentTexts texts = calculators::prepaymentTexts(result, fields.settings());
        for (const std::string* text :
            { &texts.normalInterest, &texts.prepaidInterest, &texts.interestSavings, &texts.monthsReduced })
            fuzz::requireText(*text, "result text");

        const std::vector<finance::Extended> balances = calculators::prepaymentBalances(input);
        for (const finance::Extended balance : balances)
            fuzz::requireFinite(balance, "finite balance");
    });
}
