// The loan offers comparison on arbitrary field texts, read by its own checks; a comparison that passes them must
// add up: each offer's cost in the years kept is its cost curve there, the curve never falls, a break-even lies
// within both terms, and every cell has a text.
#include "CalculatorFuzz.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "regional/ShortDate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return fuzz::calculate(data, size, [](fuzz::PageFields& fields) {
        namespace field = calculators::offerFields;
        calculators::FieldTexts texts;
        for (const std::string_view name :
            { field::price, field::down, field::tax, field::insurance, field::dues, field::keep })
            texts.set(name, fields.text());
        texts.set(field::firstPayment,
            regional::isoDateText(
                { 1890 + fields.choice() + fields.choice() / 2, fields.choice() % 13, fields.choice() % 33 }));
        for (int offers = fields.choice() % 6; offers > 0; --offers) {
            calculators::FieldTexts::Row row;
            for (const std::string_view key : field::offerKeys)
                row.emplace(key, fields.text());
            texts.addRow(field::offer, std::move(row));
        }

        const auto read = calculators::readLoanOffers(texts, fields.settings());
        if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
            fuzz::requireText(failure->message, "warning");
            return;
        }
        const auto& input = std::get<calculators::LoanOffersInput>(read);
        const auto comparison = calculators::compareLoanOffers(input);
        fuzz::require(comparison.offers.size() == input.offers.size(), "a figure set per offer");
        const auto& baseline = comparison.offers.at(comparison.baseline);
        bool anyBest = false;
        for (const calculators::OfferFigures& offer : comparison.offers) {
            anyBest = anyBest || offer.best;
            const auto& curve = offer.costCurve;
            fuzz::require(curve.size() == static_cast<std::size_t>(offer.payments) + 1, "a cost a month");
            fuzz::require(std::is_sorted(curve.begin(), curve.end()), "costs never fall");
            const auto kept = static_cast<std::size_t>(std::min(offer.payments, comparison.monthsKept));
            fuzz::require(curve[kept] == offer.costInYearsKept, "cost kept on the curve");
            fuzz::require(offer.paidInYearsKept - offer.principalInYearsKept == offer.costInYearsKept, "cost adds up");
            fuzz::require(offer.balanceAtYearsKept >= 0 && offer.balanceAtYearsKept <= offer.loanAmount, "balance");
            fuzz::require(offer.amountFinanced > 0 && offer.aprThousandths >= 0, "APR of a financed amount");
            fuzz::require(offer.cashToClose >= input.down && baseline.cashToClose <= offer.cashToClose, "baseline");
            if (offer.breakEvenPayment)
                fuzz::require(*offer.breakEvenPayment >= 1 && *offer.breakEvenPayment <= offer.payments
                        && *offer.breakEvenPayment <= baseline.payments,
                    "break-even within both terms");
        }
        fuzz::require(anyBest, "a best offer");
        for (const calculators::ComparisonRow& row :
            calculators::comparisonRows(input, comparison, fields.settings())) {
            fuzz::require(row.cells.size() == input.offers.size(), "a cell per offer");
            for (const calculators::ComparisonCell& cell : row.cells)
                fuzz::requireText(cell.text, "cell text");
        }
        for (const std::string& line : calculators::offersInputLines(input, fields.settings()))
            fuzz::requireText(line, "input line");
    });
}
