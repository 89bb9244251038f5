#include "calculators/loanoffers/LoanOffers.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

// A figure of every offer: its name for programs, its caption in the grid (none: left out of the grid) and its
// cell.
struct FigureKind
{
    std::string_view name;
    std::function<std::string(std::int32_t yearsKept)> caption;
    std::function<ComparisonCell(const FigureContext&)> cell;
};

std::function<std::string(std::int32_t)> captioned(const char* caption)
{
    return [caption](std::int32_t) { return std::string(caption); };
}

std::function<std::string(std::int32_t)> inYearsKept(const char* caption)
{
    return [caption](std::int32_t years) { return "In " + yearsText(years) + ": " + caption; };
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

// "payment 41, 5/2030": the payment's number and month, in digits in the order of the regional short date.
std::string paymentText(std::int32_t number, const FigureContext& c)
{
    return "payment " + std::to_string(number) + ", "
        + regional::monthYearText(planPaymentDate(c.input.firstPaymentDate, number), c.settings);
}

const std::vector<FigureKind>& figureKinds()
{
    static const std::vector<FigureKind> kinds = {
        { "loanAmount", nullptr, money(&OfferFigures::loanAmount) },
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
        { "points", nullptr, money(&OfferFigures::points) },
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
        { "paidInYearsKept", inYearsKept("paid"), money(&OfferFigures::paidInYearsKept) },
        { "principalInYearsKept", inYearsKept("principal paid off"), money(&OfferFigures::principalInYearsKept) },
        { "costInYearsKept", inYearsKept("cost"), money(&OfferFigures::costInYearsKept) },
        { "balanceAtYearsKept", inYearsKept("balance left"), money(&OfferFigures::balanceAtYearsKept) },
        // The offer the others are measured against has no break-even of its own.
        { "breakEvenPayment", captioned("Break-even"),
            [](const FigureContext& c) {
                if (c.baseline)
                    return ComparisonCell { "lowest cash to close", "" };
                if (!c.offer.breakEvenPayment)
                    return ComparisonCell { "never", "" };
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

std::vector<ComparisonRow> comparisonRows(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    std::vector<ComparisonRow> rows;
    ComparisonRow& heading = rows.emplace_back();
    for (std::size_t i = 0; i < comparison.offers.size(); ++i)
        heading.cells.push_back({ input.offers[i].name + (comparison.offers[i].best ? " (best)" : ""), "" });
    for (const FigureKind& kind : figureKinds()) {
        if (!kind.caption)
            continue;
        ComparisonRow& row = rows.emplace_back();
        row.figure = kind.name;
        row.caption = kind.caption(input.yearsKept);
        for (std::size_t i = 0; i < comparison.offers.size(); ++i)
            row.cells.push_back(cellOf(kind, input, comparison, i, settings));
    }
    return rows;
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
