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
#include <span>
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
// reader takes), each of their fields up to the mortgage insurance a line; then for each offer a byte: 0 leaves it
// there, 1 makes it adjustable, 2 says adjustable=no and 3 takes a line for it, and with 1 to 3 a line for each of
// the adjustable rate's terms. Inputs that end after the offers compare fixed rates alone.
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
    namespace column = calculators::offerColumns;
    const auto keys = std::span(field::offerKeys);
    std::vector<calculators::FieldTexts::Row> rows(fields.choice() % 6);
    for (calculators::FieldTexts::Row& row : rows)
        for (const std::string_view key : keys.first(column::adjustable))
            row.emplace(key, fields.text());
    for (calculators::FieldTexts::Row& row : rows) {
        const int adjustable = fields.choice() % 4;
        if (adjustable == 0)
            continue;
        row.emplace(keys[column::adjustable], adjustable == 1 ? "yes" : adjustable == 2 ? "no" : fields.text());
        for (const std::string_view key : keys.subspan(column::fixedYears))
            row.emplace(key, fields.text());
    }
    for (calculators::FieldTexts::Row& row : rows)
        texts.addRow(field::offer, std::move(row));
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

// What an adjustable rate may do stays within its terms: the steps start at the initial rate and move only at
// changes, within the lowest and the highest rate; the worst case reaches no lower, the best no higher than the
// first payment; the worst case's years kept add up on its own curve. A rate that no cap lets move is the fixed
// offer's to the cent.
void checkAdjustable(const LoanOffersInput& input, const LoanOffersComparison& comparison, std::size_t i)
{
    const OfferFigures& offer = comparison.offers[i];
    const calculators::LoanOffer& typed = input.offers[i];
    require(offer.adjustable.has_value() == typed.adjustable.has_value(), "adjustable figures of adjustable rates");
    if (!typed.adjustable)
        return;
    const calculators::AdjustableTerms& terms = *typed.adjustable;
    const calculators::AdjustableFigures& a = *offer.adjustable;
    const std::int64_t highest = typed.rateTenThousandths + 10 * terms.lifetimeCapThousandths;
    require(a.firstChangePayment == 12 * terms.fixedYears + 1 && a.changeEveryMonths == terms.everyMonths,
        "the changes as the terms say");
    const std::int64_t sum = terms.indexTenThousandths + terms.marginTenThousandths;
    require(a.indexedRate % 1250 == 0 && a.indexedRate - sum <= 625 && sum - a.indexedRate < 625,
        "the index and the margin to the nearest eighth, a sixteenth up");
    require(!a.rateSteps.empty() && a.rateSteps.front().from == 1
            && a.rateSteps.front().rateTenThousandths == typed.rateTenThousandths
            && a.rateSteps.front().payment == offer.monthlyPrincipalAndInterest,
        "the steps start with the initial rate and payment");
    for (std::size_t s = 1; s < a.rateSteps.size(); ++s) {
        const calculators::RateStep& step = a.rateSteps[s];
        require(step.from > a.rateSteps[s - 1].from && step.from <= offer.payments && step.from >= a.firstChangePayment
                && (step.from - a.firstChangePayment) % a.changeEveryMonths == 0,
            "the rate moves only at changes");
        require(step.rateTenThousandths != a.rateSteps[s - 1].rateTenThousandths
                && step.rateTenThousandths >= terms.lowestTenThousandths && step.rateTenThousandths <= a.highestRate,
            "each step moves the rate within the lowest and the worst case's highest");
    }
    require(a.highestRate >= typed.rateTenThousandths && a.highestRate <= highest && a.highestRatePayment >= 1,
        "the highest rate within the lifetime cap");
    require(a.highestPayment >= offer.monthlyPrincipalAndInterest && a.highestPaymentFrom >= 1,
        "the worst case pays no less than the first payment");
    require(a.lowestPayment <= offer.monthlyPrincipalAndInterest && a.lowestPaymentFrom >= 1,
        "the best case pays no more than the first payment");
    const auto& curve = a.worstCostCurve;
    require(curve.size() >= 2 && std::is_sorted(curve.begin(), curve.end()), "worst costs never fall");
    const auto kept = std::min(curve.size() - 1, static_cast<std::size_t>(comparison.monthsKept));
    require(curve[kept] == a.worstCostInYearsKept, "worst cost kept on its curve");
    require(a.worstPaidInYearsKept - (offer.loanAmount - a.worstBalanceAtYearsKept) == a.worstCostInYearsKept,
        "the worst case's cost adds up");
    if (terms.firstCapThousandths == 0 && terms.laterCapThousandths == 0) {
        LoanOffersInput fixed = input;
        fixed.offers[i].adjustable.reset();
        const OfferFigures same = calculators::compareLoanOffers(fixed).offers[i];
        require(same.costCurve == offer.costCurve && same.aprThousandths == offer.aprThousandths
                && same.monthlyPrincipalAndInterest == offer.monthlyPrincipalAndInterest
                && same.mortgageInsuranceLastPayment == offer.mortgageInsuranceLastPayment
                && same.paidInYearsKept == offer.paidInYearsKept && same.balanceAtYearsKept == offer.balanceAtYearsKept
                && a.worstCostCurve == offer.costCurve && a.rateSteps.size() == 1,
            "a rate that cannot move is the fixed rate's");
    }
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
        checkAdjustable(input, comparison, i);
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
