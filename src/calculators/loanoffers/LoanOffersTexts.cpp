#include "calculators/loanoffers/LoanOffers.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace calculators {

namespace {

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
    // An adjustable rate's figure: a row only when an offer of the comparison is adjustable, "fixed" in a fixed
    // offer's cell, and for programs only an adjustable offer's.
    bool adjustable = false;
    // A row that puts together figures that programs get one by one.
    bool gridOnly = false;
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
    return [figure](const FigureContext& c) { return centsCell(c.offer.*figure, c.settings); };
}

std::function<ComparisonCell(const FigureContext&)> percent(std::int64_t OfferFigures::*figure)
{
    return [figure](const FigureContext& c) {
        return ComparisonCell { decimalText(c.offer.*figure, 3, c.settings.decimalSeparator) + "%",
            decimalText(c.offer.*figure, 3, ".") };
    };
}

// A rate as the adjustable rows write it: at least 3 decimals, a fourth where it has one: 7.125%, 6.1875%.
std::string rateDigits(std::int64_t tenThousandths, const std::string& separator)
{
    std::string text = decimalText(tenThousandths, 4, separator);
    if (text.back() == '0')
        text.pop_back();
    return text;
}

// An adjustable figure of an offer; a fixed offer's cell says "fixed". The cell is held as it is, without a
// function object of its own around it.
template <typename Cell>
std::function<ComparisonCell(const FigureContext&)> adjustableCell(Cell cell)
{
    return [cell](const FigureContext& c) {
        return c.offer.adjustable ? cell(*c.offer.adjustable, c) : ComparisonCell { "fixed", "" };
    };
}

std::function<ComparisonCell(const FigureContext&)> adjustableMoney(Cents AdjustableFigures::*figure)
{
    return adjustableCell(
        [figure](const AdjustableFigures& a, const FigureContext& c) { return centsCell(a.*figure, c.settings); });
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

// "payment 73 (1/2033)", as the runs against the baseline write a payment.
std::string paymentInRun(std::int32_t number, const FigureContext& c)
{
    return "payment " + std::to_string(number) + " (" + monthOf(number, c.input, c.settings) + ")";
}

std::function<ComparisonCell(const FigureContext&)> adjustablePayment(std::int32_t AdjustableFigures::*figure)
{
    return adjustableCell([figure](const AdjustableFigures& a, const FigureContext& c) {
        return ComparisonCell { paymentText(a.*figure, c), std::to_string(a.*figure) };
    });
}

// A figure of an adjustable rate and the first payment with it: a grid row of the two ("11.000% from payment 85
// (1/2034)"), and for programs each alone.
std::vector<FigureKind> figureFromPayment(std::pair<std::string_view, const char*> row, std::string_view name,
    ComparisonCell (*figure)(const AdjustableFigures&, const regional::RegionalSettings&),
    std::pair<std::string_view, std::int32_t AdjustableFigures::*> from)
{
    std::int32_t AdjustableFigures::*payment = from.second;
    return {
        { .name = row.first,
            .caption = captioned(row.second),
            .cell = adjustableCell([figure, payment](const AdjustableFigures& a, const FigureContext& c) {
                return ComparisonCell { figure(a, c.settings).text + " from " + paymentInRun(a.*payment, c), "" };
            }),
            .adjustable = true,
            .gridOnly = true },
        { .name = name,
            .caption = {},
            .cell = adjustableCell(
                [figure](const AdjustableFigures& a, const FigureContext& c) { return figure(a, c.settings); }),
            .adjustable = true },
        { .name = from.first, .caption = {}, .cell = adjustablePayment(payment), .adjustable = true },
    };
}

// What an adjustable rate may do, row by row after the monthly principal and interest.
std::vector<FigureKind> adjustableRateKinds()
{
    std::vector<FigureKind> kinds = {
        { .name = "rateChanges",
            .caption = captioned("Rate can change"),
            .cell = adjustableCell([](const AdjustableFigures& a, const FigureContext& c) {
                const std::int32_t every = a.changeEveryMonths;
                return ComparisonCell { "first with " + paymentInRun(a.firstChangePayment, c) + "; then every "
                        + (every == 1 ? std::string("month") : std::to_string(every) + " months"),
                    "" };
            }),
            .adjustable = true,
            .gridOnly = true },
        { .name = "firstChangePayment",
            .caption = {},
            .cell = adjustablePayment(&AdjustableFigures::firstChangePayment),
            .adjustable = true },
        { .name = "changeEveryMonths",
            .caption = {},
            .cell = adjustableCell([](const AdjustableFigures& a, const FigureContext&) {
                const std::string every = std::to_string(a.changeEveryMonths);
                return ComparisonCell { a.changeEveryMonths == 1 ? "every month" : "every " + every + " months",
                    every };
            }),
            .adjustable = true },
        { .name = "indexedRate",
            .caption = captioned("Index today plus margin, to the nearest 1/8"),
            .cell = adjustableCell(
                [](const AdjustableFigures& a, const FigureContext& c) { return rateCell(a.indexedRate, c.settings); }),
            .adjustable = true },
        { .name = "rateSteps",
            .caption = captioned("Rate and payment if the index stays as today"),
            .cell = adjustableCell([](const AdjustableFigures& a, const FigureContext& c) {
                return ComparisonCell { rateStepsText(a.rateSteps, c.settings), "" };
            }),
            .adjustable = true },
    };
    using Figure = ComparisonCell (*)(const AdjustableFigures&, const regional::RegionalSettings&);
    const auto add = [&kinds](std::vector<FigureKind> added) {
        kinds.insert(kinds.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    };
    add(figureFromPayment({ "worstRate", "Highest rate (worst case)" }, "highestRate",
        Figure { [](const AdjustableFigures& a, const regional::RegionalSettings& settings) {
            return rateCell(a.highestRate, settings);
        } },
        { "highestRatePayment", &AdjustableFigures::highestRatePayment }));
    add(figureFromPayment({ "worstPayment", "Highest payment (worst case)" }, "highestPayment",
        Figure { [](const AdjustableFigures& a, const regional::RegionalSettings& settings) {
            return centsCell(a.highestPayment, settings);
        } },
        { "highestPaymentFrom", &AdjustableFigures::highestPaymentFrom }));
    add(figureFromPayment({ "bestPayment", "Lowest payment (best case)" }, "lowestPayment",
        Figure { [](const AdjustableFigures& a, const regional::RegionalSettings& settings) {
            return centsCell(a.lowestPayment, settings);
        } },
        { "lowestPaymentFrom", &AdjustableFigures::lowestPaymentFrom }));
    return kinds;
}

// The years kept in an adjustable rate's worst case, after the same figures with the index unchanged.
std::vector<FigureKind> worstCaseKinds()
{
    return {
        { .name = "worstPaidInYearsKept",
            .caption = inYearsKept("paid on the loan, worst case"),
            .cell = adjustableMoney(&AdjustableFigures::worstPaidInYearsKept),
            .adjustable = true },
        { .name = "worstCostInYearsKept",
            .caption = inYearsKept("cost, worst case"),
            .cell = adjustableMoney(&AdjustableFigures::worstCostInYearsKept),
            .adjustable = true },
        { .name = "worstBalanceAtYearsKept",
            .caption = inYearsKept("balance left, worst case"),
            .cell = adjustableMoney(&AdjustableFigures::worstBalanceAtYearsKept),
            .adjustable = true },
    };
}

const std::vector<FigureKind>& figureKinds()
{
    static const std::vector<FigureKind> kinds = [] {
        std::vector<FigureKind> kinds = {
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
            { "monthlyInsurance", captioned("Homeowner's insurance per month"),
                money(&OfferFigures::monthlyInsurance) },
            { "monthlyDues", captioned("Association dues per month"), money(&OfferFigures::monthlyDues) },
            { "monthlyTotal", captioned("Total monthly payment"), money(&OfferFigures::monthlyTotal) },
            { "points", captioned("Points"), money(&OfferFigures::points) },
            { "lenderCreditUsed", captioned("Lender credit used"), money(&OfferFigures::lenderCreditUsed) },
            // Shown only where some offer's credit is above its costs up front, which a note under the grid explains.
            { "creditNotUsed",
                [](const LoanOffersInput&, const LoanOffersComparison& comparison) -> std::optional<std::string> {
                    if (std::ranges::none_of(
                            comparison.offers, [](const OfferFigures& f) { return f.creditNotUsed > 0; }))
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
        const auto after = [&kinds](std::string_view name, std::vector<FigureKind> added) {
            const auto at = std::ranges::find(kinds, name, &FigureKind::name) + 1;
            kinds.insert(at, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
        };
        after("monthlyPrincipalAndInterest", adjustableRateKinds());
        after("balanceAtYearsKept", worstCaseKinds());
        return kinds;
    }();
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

std::string decimalText(std::int64_t units, int decimals, const std::string& separator, bool trimmed)
{
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string fraction = std::to_string(scale + units % scale).substr(1);
    if (trimmed)
        fraction.erase(fraction.find_last_not_of('0') + 1);
    return std::to_string(units / scale) + (fraction.empty() ? "" : separator + fraction);
}

ComparisonCell rateCell(std::int64_t tenThousandths, const regional::RegionalSettings& settings)
{
    return { rateDigits(tenThousandths, settings.decimalSeparator) + "%", rateDigits(tenThousandths, ".") };
}

ComparisonCell centsCell(Cents amount, const regional::RegionalSettings& settings)
{
    return { centsText(amount, settings), centsValue(amount) };
}

std::string rateStepsText(const std::vector<RateStep>& steps, const regional::RegionalSettings& settings)
{
    const auto stepText = [&settings](const RateStep& step) {
        return rateDigits(step.rateTenThousandths, settings.decimalSeparator) + "%, "
            + centsText(step.payment, settings) + " from payment " + std::to_string(step.from);
    };
    std::vector<std::string> parts;
    if (steps.size() <= mostRateStepsShown) {
        for (const RateStep& step : steps)
            parts.push_back(stepText(step));
    } else {
        // The first steps and the last, and how many between: a cell, and its lines on paper, stay few.
        for (std::size_t i = 0; i + 2 < mostRateStepsShown; ++i)
            parts.push_back(stepText(steps[i]));
        parts.push_back("\u2026 " + std::to_string(steps.size() - mostRateStepsShown + 1) + " more changes \u2026");
        parts.push_back(stepText(steps.back()));
    }
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

std::vector<ComparisonRow> comparisonRows(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings)
{
    std::vector<ComparisonRow> rows;
    ComparisonRow& heading = rows.emplace_back();
    for (std::size_t i = 0; i < comparison.offers.size(); ++i)
        heading.cells.push_back({ input.offers[i].name + (comparison.offers[i].best ? " (best)" : ""), "" });
    const bool anyAdjustable
        = std::ranges::any_of(input.offers, [](const LoanOffer& offer) { return offer.adjustable.has_value(); });
    for (const FigureKind& kind : figureKinds()) {
        if (kind.adjustable && !anyAdjustable)
            continue;
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
    // An adjustable offer that costs least with the index unchanged is told with its worst case too.
    for (std::size_t i = 0; i < offers.size(); ++i) {
        if (!offers[i].adjustable || !(offers[i].best || offers.size() == 1))
            continue;
        const Cents worst = offers[i].adjustable->worstCostInYearsKept;
        const std::string& name = input.offers[i].name;
        if (worst == offers[i].costInYearsKept) {
            notes.push_back("Even if each change raises the rate of " + name
                + " as far as its caps allow, it costs the same over those years.");
            continue;
        }
        std::string sentence = "If each change raises the rate of " + name + " as far as its caps allow, it costs "
            + cents(worst) + " over those years";
        std::optional<std::size_t> next; // the other offer that costs least
        for (std::size_t j = 0; j < offers.size(); ++j)
            if (j != i && (!next || offers[j].costInYearsKept < offers[*next].costInYearsKept))
                next = j;
        if (next) {
            const Cents difference = worst - offers[*next].costInYearsKept;
            sentence += difference == 0 ? ", the same as " + input.offers[*next].name
                                        : ", " + cents(difference < 0 ? -difference : difference)
                    + (difference < 0 ? " less" : " more") + " than " + input.offers[*next].name;
        }
        notes.push_back(sentence + ".");
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
            if (!kind.gridOnly && (!kind.adjustable || comparison.offers[i].adjustable))
                offers[i].push_back({ kind.name, cellOf(kind, input, comparison, i, settings) });
    return offers;
}

std::string monthCostText(const LoanOffersInput& input, const LoanOffersComparison& comparison, std::int32_t month,
    const regional::RegionalSettings& settings)
{
    std::string text = month <= 0 ? std::string("At closing")
                                  : "Payment " + std::to_string(month) + " (" + monthOf(month, input, settings) + ")";
    const auto k = static_cast<std::size_t>(std::max(month, 0));
    const bool compared = comparison.offers.size() > 1;
    // A line's cost by the month, at its last value after its own last payment, and against the baseline's.
    const auto costLine = [&](const std::string& name, const std::vector<Cents>& curve, bool baseline) {
        const std::vector<Cents> against = curveAgainstBaseline(comparison, curve);
        const Cents difference = against[std::min(k, against.size() - 1)];
        std::string line = "\n" + name + ": " + centsText(curve[std::min(k, curve.size() - 1)], settings);
        if (baseline && compared)
            line += " (lowest cash to close)";
        else if (difference != 0)
            line += ", " + centsText(difference < 0 ? -difference : difference, settings)
                + (difference < 0 ? " less" : " more");
        else if (compared)
            line += ", the same";
        return line;
    };
    for (std::size_t i = 0; i < comparison.offers.size(); ++i) {
        const OfferFigures& offer = comparison.offers[i];
        text += costLine(input.offers[i].name, offer.costCurve, i == comparison.baseline);
        // An adjustable rate's worst case, against the baseline with the index unchanged, as the chart draws it.
        if (offer.adjustable)
            text += costLine(input.offers[i].name + ", worst case", offer.adjustable->worstCostCurve, false);
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
        if (const auto& terms = offer.adjustable)
            lines.push_back("    adjustable: fixed " + yearsText(terms->fixedYears) + ", then every "
                + (terms->everyMonths == 1 ? std::string("month") : std::to_string(terms->everyMonths) + " months")
                + "; index " + rate(terms->indexTenThousandths, 4) + ", margin " + rate(terms->marginTenThousandths, 4)
                + "; caps " + decimalText(terms->firstCapThousandths, 3, settings.decimalSeparator, true) + "/"
                + decimalText(terms->laterCapThousandths, 3, settings.decimalSeparator, true) + "/"
                + decimalText(terms->lifetimeCapThousandths, 3, settings.decimalSeparator, true) + "; lowest rate "
                + rate(terms->lowestTenThousandths, 4));
    }
    return lines;
}

} // namespace calculators
