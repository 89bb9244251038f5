// The loan offers comparison on arbitrary field texts, read by its own checks. The reader either accepts the texts or
// refuses them with a warning, and never raises an error; a comparison of what it accepted raises none either and
// must add up: each offer's cost in the years kept is its cost curve there, the curve never falls, the runs at or
// below the baseline are exactly the months where the offer has cost no more, the credit is used or left over, and
// every cell, note and hover text has a text.
#include "CalculatorFuzz.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "regional/ShortDate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

using calculators::Cents;
using calculators::CostRun;
using calculators::LoanOffersComparison;
using calculators::LoanOffersInput;
using calculators::OfferFigures;
using fuzz::require;
using fuzz::requireText;

// The purchase's fields, the first payment date from four bytes and up to five rows of offers (one more than the
// reader takes), each of their fields a line.
calculators::FieldTexts textsFrom(fuzz::PageFields& fields)
{
    namespace field = calculators::offerFields;
    calculators::FieldTexts texts;
    for (const std::string_view name :
        { field::price, field::down, field::tax, field::insurance, field::dues, field::keep })
        texts.set(name, fields.text());
    // Read one by one, so that the bytes mean the same whichever order a compiler evaluates operands in.
    const int yearsAfter1890 = fields.choice();
    const int year = 1890 + yearsAfter1890 + fields.choice() / 2;
    const int month = fields.choice() % 13;
    const int day = fields.choice() % 33;
    texts.set(field::firstPayment, regional::isoDateText({ year, month, day }));
    for (int offers = fields.choice() % 6; offers > 0; --offers) {
        calculators::FieldTexts::Row row;
        for (const std::string_view key : field::offerKeys)
            row.emplace(key, fields.text());
        texts.addRow(field::offer, std::move(row));
    }
    return texts;
}

void checkFigures(const LoanOffersInput& input, const LoanOffersComparison& comparison, std::size_t i)
{
    const OfferFigures& offer = comparison.offers[i];
    const calculators::LoanOffer& typed = input.offers[i];
    const auto& curve = offer.costCurve;
    require(curve.size() == static_cast<std::size_t>(offer.payments) + 1, "a cost a month");
    require(std::is_sorted(curve.begin(), curve.end()), "costs never fall");
    const auto kept = static_cast<std::size_t>(std::min(offer.payments, comparison.monthsKept));
    require(curve[kept] == offer.costInYearsKept, "cost kept on the curve");
    require(offer.paidInYearsKept - offer.principalInYearsKept == offer.costInYearsKept, "cost adds up");
    require(offer.balanceAtYearsKept >= 0 && offer.balanceAtYearsKept <= offer.loanAmount, "balance");
    require(offer.amountFinanced > 0 && offer.aprThousandths >= 0, "APR of a financed amount");
    const Cents baselineCash = comparison.offers[comparison.baseline].cashToClose;
    require(offer.cashToClose >= input.down && baselineCash <= offer.cashToClose
            && (i >= comparison.baseline || baselineCash < offer.cashToClose),
        "the baseline is the first with the lowest cash to close");
    require(offer.lenderCreditUsed >= 0 && offer.creditNotUsed >= 0
            && offer.lenderCreditUsed + offer.creditNotUsed == typed.lenderCredit,
        "the lender credit is used or left over");
    require((offer.creditNotUsed > 0) == (typed.lenderCredit > offer.points + typed.lenderFees + typed.closingCosts),
        "credit left over exactly when it exceeds the costs up front");
}

// The runs of months 1 to the longer term at or below the baseline: in order, apart by a month at least, only the
// last open (to the end), and the months in them exactly those where the offer has cost no more than the baseline.
void checkRuns(const LoanOffersComparison& comparison, std::size_t i)
{
    const OfferFigures& offer = comparison.offers[i];
    const std::vector<CostRun>& runs = offer.costsNoMoreThanBaseline;
    if (comparison.offers.size() < 2 || i == comparison.baseline) {
        require(runs.empty() && !offer.breakEvenPayment, "the baseline and a lone offer have no runs or break-even");
        return;
    }
    const std::vector<Cents> against = calculators::costAgainstBaseline(comparison, i);
    const std::size_t longer
        = std::max(offer.costCurve.size(), comparison.offers[comparison.baseline].costCurve.size());
    require(against.size() == longer, "a difference a month to the longer term's end");
    const auto last = static_cast<std::int32_t>(longer - 1);
    std::vector<bool> inRun(longer, false);
    std::int32_t previousEnd = -1;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const CostRun& run = runs[r];
        const std::int32_t to = run.to.value_or(last);
        require(run.from >= previousEnd + 2, "runs in order, a month apart at least, from payment 1");
        require(run.from <= to && to <= last, "runs within the longer term");
        require(run.to ? to < last : r + 1 == runs.size(), "only the last run is open, and it lasts to the end");
        for (std::int32_t k = run.from; k <= to; ++k)
            inRun[static_cast<std::size_t>(k)] = true;
        previousEnd = to;
    }
    for (std::size_t k = 1; k < longer; ++k)
        require(inRun[k] == (against[k] <= 0), "a month is in a run exactly when the offer costs no more there");
    const std::optional<std::int32_t> breakEven
        = !runs.empty() && !runs.back().to ? std::optional(runs.back().from) : std::nullopt;
    require(offer.breakEvenPayment == breakEven, "the break-even is where the open run starts");
}

void checkBest(const LoanOffersComparison& comparison)
{
    const auto& offers = comparison.offers;
    if (offers.size() == 1) {
        require(!offers.front().best, "a lone offer is not best");
        return;
    }
    const Cents lowest = std::ranges::min_element(offers, {}, &OfferFigures::costInYearsKept)->costInYearsKept;
    for (const OfferFigures& offer : offers)
        require(offer.best == (offer.costInYearsKept == lowest), "the best are those costing least in the years kept");
}

void checkTexts(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    const auto rows = calculators::comparisonRows(input, comparison, settings);
    for (const calculators::ComparisonRow& row : rows) {
        require(row.cells.size() == input.offers.size(), "a cell per offer");
        if (&row != &rows.front())
            requireText(row.caption, "row caption");
        for (const calculators::ComparisonCell& cell : row.cells)
            requireText(cell.text, "cell text");
    }
    const auto notes = calculators::comparisonNotes(input, comparison, settings);
    require(!notes.empty(), "a sentence of what was concluded");
    for (const std::string& note : notes)
        requireText(note, "note");
    const auto figures = calculators::offerFigureCells(input, comparison, settings);
    require(figures.size() == input.offers.size(), "figures per offer");
    for (const auto& offer : figures)
        for (const calculators::NamedFigure& figure : offer)
            requireText(figure.cell.text, "figure text");
    std::int32_t lastMonth = 0;
    for (const OfferFigures& offer : comparison.offers) {
        requireText(calculators::costRunsText(offer.costsNoMoreThanBaseline, input, settings), "runs text");
        lastMonth = std::max(lastMonth, offer.payments);
    }
    for (const std::int32_t month : { 0, 1, comparison.monthsKept, lastMonth })
        requireText(calculators::monthCostText(input, comparison, month, settings), "month's cost text");
    for (const std::string& line : calculators::offersInputLines(input, settings))
        requireText(line, "input line");
}

void checkComparison(const LoanOffersInput& input, const regional::RegionalSettings& settings)
{
    const LoanOffersComparison comparison = calculators::compareLoanOffers(input);
    require(comparison.offers.size() == input.offers.size(), "a figure set per offer");
    require(comparison.baseline < comparison.offers.size(), "a baseline among the offers");
    for (std::size_t i = 0; i < comparison.offers.size(); ++i) {
        checkFigures(input, comparison, i);
        checkRuns(comparison, i);
    }
    checkBest(comparison);
    checkTexts(input, comparison, settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::PageFields fields(data, size);
    const calculators::FieldTexts texts = textsFrom(fields);
    const auto read = fuzz::withoutError("the reader refuses with a warning, never an error",
        [&] { return calculators::readLoanOffers(texts, fields.settings()); });
    if (const auto* failure = std::get_if<calculators::FieldFailure>(&read)) {
        requireText(failure->message, "warning");
        return 0;
    }
    const auto& input = std::get<LoanOffersInput>(read);
    fuzz::withoutError("accepted offers compare without an error", [&] { checkComparison(input, fields.settings()); });
    return 0;
}
