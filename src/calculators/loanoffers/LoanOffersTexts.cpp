#include "calculators/loanoffers/LoanOffers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace calculators {

namespace {

// units / 10^decimals (units >= 0) with all its decimals, or without trailing zeros where trimmed: 6.500 or 6.5.
std::string decimalText(std::int64_t units, int decimals, const std::string& separator, bool trimmed = false)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string fraction = std::to_string(scale + units % scale).substr(1);
    if (trimmed)
        fraction.erase(fraction.find_last_not_of('0') + 1);
    return std::to_string(units / scale) + (fraction.empty() ? "" : separator + fraction);
}

std::string centsValue(Cents amount)
{
    return decimalText(amount, 2, ".");
}

std::string yearsText(std::int32_t years)
{
    return std::to_string(years) + (years == 1 ? " year" : " years");
}

// What a figure's cell shows for one offer.
struct FigureContext
{
    const LoanOffersInput& input;
    const OfferFigures& offer;
    bool baseline;
    const regional::RegionalSettings& settings;
};

// A figure's caption in the grid, or none where the grid leaves it out for this comparison.
using Caption = std::function<std::optional<std::string>(const LoanOffersInput&, const LoanOffersComparison&)>;

// A figure of every offer: its name for programs, its caption in the grid (none: left out of the grid) and its
// cell.
struct FigureKind
{
    std::string_view name;
    Caption caption;
    std::function<ComparisonCell(const FigureContext&)> cell;
};

Caption captioned(const char* caption)
{
    return [caption](const LoanOffersInput&, const LoanOffersComparison&) { return std::string(caption); };
}

Caption inYearsKept(const char* caption)
{
    return [caption](const LoanOffersInput& input, const LoanOffersComparison&) {
        return "In " + yearsText(input.yearsKept) + ": " + caption;
    };
}

std::function<ComparisonCell(const FigureContext&)> money(Cents OfferFigures::*figure)
{
    return [figure](const FigureContext& c) {
        return ComparisonCell { centsText(c.offer.*figure, c.settings), centsValue(c.offer.*figure) };
    };
}

std::function<ComparisonCell(const FigureContext&)> percent(std::int64_t OfferFigures::*figure)
{
    return [figure](const FigureContext& c) {
        return ComparisonCell { decimalText(c.offer.*figure, 3, c.settings.decimalSeparator) + "%",
            decimalText(c.offer.*figure, 3, ".") };
    };
}

std::string monthOf(std::int32_t number, const LoanOffersInput& input, const regional::RegionalSettings& settings)
{
    return regional::monthYearText(planPaymentDate(input.firstPaymentDate, number), settings);
}

// "payment 41, 5/2030": the payment's number and month, in digits in the order of the regional short date.
std::string paymentText(std::int32_t number, const FigureContext& c)
{
    return "payment " + std::to_string(number) + ", " + monthOf(number, c.input, c.settings);
}

const std::vector<FigureKind>& figureKinds()
{
    static const std::vector<FigureKind> kinds = {
        { "loanAmount", captioned("Loan amount"), money(&OfferFigures::loanAmount) },
        { "monthlyPrincipalAndInterest", captioned("Monthly principal and interest"),
            money(&OfferFigures::monthlyPrincipalAndInterest) },
        { "mortgageInsurance", captioned("Mortgage insurance per month"), money(&OfferFigures::mortgageInsurance) },
        { "mortgageInsuranceLastPayment", captioned("Mortgage insurance ends"),
            [](const FigureContext& c) {
                const std::int32_t last = c.offer.mortgageInsuranceLastPayment;
                return ComparisonCell { last == 0 ? "none" : paymentText(last, c), std::to_string(last) };
            } },
        { "monthlyTaxes", captioned("Property taxes per month"), money(&OfferFigures::monthlyTaxes) },
        { "monthlyInsurance", captioned("Homeowner's insurance per month"), money(&OfferFigures::monthlyInsurance) },
        { "monthlyDues", captioned("Association dues per month"), money(&OfferFigures::monthlyDues) },
        { "monthlyTotal", captioned("Total monthly payment"), money(&OfferFigures::monthlyTotal) },
        { "points", captioned("Points"), money(&OfferFigures::points) },
        { "lenderCreditUsed", captioned("Lender credit used"), money(&OfferFigures::lenderCreditUsed) },
        // Shown only where some offer's credit is above its costs up front, which a note under the grid explains.
        { "creditNotUsed",
            [](const LoanOffersInput&, const LoanOffersComparison& comparison) -> std::optional<std::string> {
                if (std::ranges::none_of(comparison.offers, [](const OfferFigures& f) { return f.creditNotUsed > 0; }))
                    return std::nullopt;
                return "Lender credit not used";
            },
            money(&OfferFigures::creditNotUsed) },
        { "cashToClose", captioned("Cash to close"), money(&OfferFigures::cashToClose) },
        { "prepaidFinanceCharge", nullptr, money(&OfferFigures::prepaidFinanceCharge) },
        { "amountFinanced", nullptr, money(&OfferFigures::amountFinanced) },
        { "apr", captioned("APR"), percent(&OfferFigures::aprThousandths) },
        { "totalInterestPercentage", captioned("Total interest percentage"),
            percent(&OfferFigures::totalInterestPercentThousandths) },
        { "totalInterest", nullptr, money(&OfferFigures::totalInterest) },
        { "payments", nullptr,
            [](const FigureContext& c) {
                const std::string count = std::to_string(c.offer.payments);
                return ComparisonCell { count, count };
            } },
        { "paidInYearsKept", inYearsKept("paid on the loan"), money(&OfferFigures::paidInYearsKept) },
        { "principalInYearsKept", inYearsKept("principal paid off"), money(&OfferFigures::principalInYearsKept) },
        { "costInYearsKept", inYearsKept("cost"), money(&OfferFigures::costInYearsKept) },
        { "balanceAtYearsKept", inYearsKept("balance left"), money(&OfferFigures::balanceAtYearsKept) },
        // The runs against the baseline, which one offer alone does not have; the baseline has none of its own.
        { "costsNoMoreThanBaseline",
            [](const LoanOffersInput& input, const LoanOffersComparison& comparison) -> std::optional<std::string> {
                if (comparison.offers.size() < 2)
                    return std::nullopt;
                return "Costs no more than " + input.offers[comparison.baseline].name + " (lowest cash to close)";
            },
            [](const FigureContext& c) {
                if (c.baseline)
                    return ComparisonCell { "lowest cash to close", "" };
                return ComparisonCell { costRunsText(c.offer.costsNoMoreThanBaseline, c.input, c.settings), "" };
            } },
        { "breakEvenPayment", nullptr,
            [](const FigureContext& c) {
                if (c.baseline || !c.offer.breakEvenPayment)
                    return ComparisonCell { c.baseline ? "lowest cash to close" : "never", "" };
                return ComparisonCell { paymentText(*c.offer.breakEvenPayment, c),
                    std::to_string(*c.offer.breakEvenPayment) };
            } },
    };
    return kinds;
}

ComparisonCell cellOf(const FigureKind& kind, const LoanOffersInput& input, const LoanOffersComparison& comparison,
    std::size_t offer, const regional::RegionalSettings& settings)
{
    return kind.cell({ input, comparison.offers[offer], offer == comparison.baseline, settings });
}

} // namespace

std::string costRunsText(
    const std::vector<CostRun>& runs, const LoanOffersInput& input, const regional::RegionalSettings& settings)
{
    if (runs.empty())
        return "never";
    std::string text;
    for (const CostRun& run : runs) {
        if (!text.empty())
            text += "; ";
        const std::string from = std::to_string(run.from);
        if (!run.to)
            text += "from payment " + from + " (" + monthOf(run.from, input, settings) + ") on";
        else if (*run.to == run.from)
            text += "payment " + from + " (" + monthOf(run.from, input, settings) + ")";
        else
            text += "payments " + from + "\u2013" + std::to_string(*run.to) + " (" + monthOf(run.from, input, settings)
                + "\u2013" + monthOf(*run.to, input, settings) + ")";
    }
    return text;
}

std::vector<ComparisonRow> comparisonRows(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    std::vector<ComparisonRow> rows;
    ComparisonRow& heading = rows.emplace_back();
    for (std::size_t i = 0; i < comparison.offers.size(); ++i)
        heading.cells.push_back({ input.offers[i].name + (comparison.offers[i].best ? " (best)" : ""), "" });
    for (const FigureKind& kind : figureKinds()) {
        const auto caption = kind.caption ? kind.caption(input, comparison) : std::nullopt;
        if (!caption)
            continue;
        ComparisonRow& row = rows.emplace_back();
        row.figure = kind.name;
        row.caption = *caption;
        for (std::size_t i = 0; i < comparison.offers.size(); ++i)
            row.cells.push_back(cellOf(kind, input, comparison, i, settings));
    }
    return rows;
}

std::vector<std::string> comparisonNotes(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    const auto cents = [&settings](Cents amount) { return centsText(amount, settings); };
    // "A", "A and B", "A, B and C".
    const auto listed = [](const std::vector<std::string>& items) {
        std::string text;
        for (std::size_t i = 0; i < items.size(); ++i)
            text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
        return text;
    };
    const auto& offers = comparison.offers;
    std::vector<std::string> notes;
    const std::string over = "Over the " + (input.yearsKept == 1 ? std::string("year") : yearsText(input.yearsKept))
        + " you keep the loan, ";
    std::vector<std::string> best;
    std::vector<std::string> dearer;
    for (std::size_t i = 0; i < offers.size(); ++i)
        if (offers[i].best)
            best.push_back(input.offers[i].name);
    const Cents least = std::ranges::min_element(offers, {}, &OfferFigures::costInYearsKept)->costInYearsKept;
    if (offers.size() == 1) {
        notes.push_back(over + input.offers[0].name + " costs " + cents(least) + ".");
    } else if (best.size() == offers.size()) {
        notes.push_back(over + listed(best) + " cost the same: " + cents(least) + ".");
    } else {
        for (std::size_t i = 0; i < offers.size(); ++i)
            if (!offers[i].best)
                dearer.push_back(cents(offers[i].costInYearsKept - least) + " less than " + input.offers[i].name);
        notes.push_back(over + listed(best) + (best.size() == 1 ? " costs least: " : " tie for the lowest cost, each ")
            + listed(dearer) + ".");
    }
    for (std::size_t i = 0; i < offers.size(); ++i)
        if (offers[i].creditNotUsed > 0)
            notes.push_back("The lender credit of " + input.offers[i].name + " is " + cents(offers[i].creditNotUsed)
                + " more than its points, fees and closing costs; that part is not counted here. Ask the lender "
                  "whether it can pay other costs of the purchase, such as prepaid items.");
    return notes;
}

std::vector<std::vector<NamedFigure>> offerFigureCells(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    std::vector<std::vector<NamedFigure>> offers(comparison.offers.size());
    for (std::size_t i = 0; i < comparison.offers.size(); ++i)
        for (const FigureKind& kind : figureKinds())
            offers[i].push_back({ kind.name, cellOf(kind, input, comparison, i, settings) });
    return offers;
}

std::string monthCostText(const LoanOffersInput& input, const LoanOffersComparison& comparison, std::int32_t month,
    const regional::RegionalSettings& settings)
{
    std::string text = month <= 0 ? std::string("At closing")
                                  : "Payment " + std::to_string(month) + " (" + monthOf(month, input, settings) + ")";
    const auto k = static_cast<std::size_t>(std::max(month, 0));
    for (std::size_t i = 0; i < comparison.offers.size(); ++i) {
        const std::vector<Cents> against = costAgainstBaseline(comparison, i);
        const Cents difference = against[std::min(k, against.size() - 1)];
        const std::vector<Cents>& curve = comparison.offers[i].costCurve;
        text += "\n" + input.offers[i].name + ": " + centsText(curve[std::min(k, curve.size() - 1)], settings);
        if (i == comparison.baseline && comparison.offers.size() > 1)
            text += " (lowest cash to close)";
        else if (difference != 0)
            text += ", " + centsText(difference < 0 ? -difference : difference, settings)
                + (difference < 0 ? " less" : " more");
        else if (comparison.offers.size() > 1)
            text += ", the same";
    }
    return text;
}

std::vector<std::string> offersInputLines(const LoanOffersInput& input, const regional::RegionalSettings& settings)
{
    const auto cents = [&settings](Cents amount) { return centsText(amount, settings); };
    const auto rate = [&settings](std::int64_t units, int decimals) {
        return decimalText(units, decimals, settings.decimalSeparator, true) + "%";
    };
    std::vector<std::string> lines;
    lines.push_back("Home price " + cents(input.price) + ", down payment " + cents(input.down) + ", loan amount "
        + cents(input.price - input.down));
    lines.push_back("Property tax " + cents(input.yearlyTax) + " a year, homeowner's insurance "
        + cents(input.yearlyInsurance) + " a year, association dues " + cents(input.monthlyDues) + " a month");
    lines.push_back("Kept " + yearsText(input.yearsKept) + ", first payment "
        + regional::shortDateText(input.firstPaymentDate, settings, regional::YearDigits::Four));
    // Two lines an offer, so that the page keeps the size of its print with the longest names and amounts.
    for (const LoanOffer& offer : input.offers) {
        lines.push_back(offer.name + ": " + rate(offer.rateTenThousandths, 4) + " for " + yearsText(offer.years)
            + ", points " + rate(offer.pointsThousandths, 3) + ", mortgage insurance "
            + rate(offer.insuranceThousandths, 3) + " a year");
        lines.push_back("    lender fees " + cents(offer.lenderFees) + ", other closing costs "
            + cents(offer.closingCosts) + ", lender credit " + cents(offer.lenderCredit));
    }
    return lines;
}

} // namespace calculators
