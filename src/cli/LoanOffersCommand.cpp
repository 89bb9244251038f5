// corvanta-calc compare: lenders' offers for one home side by side, the comparison window's grid to the cent.
#include "calculators/loanoffers/LoanOffers.h"
#include "cli/CommandList.h"
#include "cli/DateOption.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

namespace {

namespace field = calculators::offerFields;

const Option options[] = {
    { field::price, "the home price" },
    { field::down, "the down payment" },
    { field::tax, "the yearly property tax" },
    { field::insurance, "the yearly homeowner's insurance" },
    { field::dues, "the monthly association dues" },
    { field::keep, "the years you expect to keep the loan" },
    { field::firstPayment, "the date of the first payment, year-month-day" },
    { .name = field::offer, .description = "a lender's offer; repeat --offer for each offer", .repeats = true },
};

constexpr const char* offerFormMessage
    = "An offer is written as key=value pairs separated by commas, with the keys name, rate, years, points, fees, "
      "closing, credit and mi, and for an adjustable rate adjustable=yes, fixed-years, every, index, margin, caps "
      "and lowest, each at most once, such as rate=6.5,years=30,points=1.";

// An adjustable rate's three caps in one value, as a Loan Estimate writes them: first change/later changes/lifetime.
constexpr std::string_view capsKey = "caps";
constexpr std::string_view capKeys[] = { field::offerKeys[calculators::offerColumns::firstCap],
    field::offerKeys[calculators::offerColumns::laterCap], field::offerKeys[calculators::offerColumns::lifetimeCap] };

// Whether a key and "=" start the text: a comma before it separates two pairs, any other comma (a decimal comma, one
// in a name) belongs to the value before it.
bool startsWithKey(std::string_view text)
{
    const auto end = std::find_if_not(
        text.begin(), text.end(), [](char c) { return c == '-' || std::islower(static_cast<unsigned char>(c)) != 0; });
    return end != text.begin() && end != text.end() && *end == '=';
}

// The caps "2/1/5" as the three cap keys; anything but three values separated by slashes is refused, naming the
// offer by its name or its place.
void splitCaps(calculators::FieldTexts::Row& offer, std::size_t position)
{
    const auto caps = offer.find(std::string(capsKey));
    if (caps == offer.end())
        return;
    std::vector<std::string> values;
    std::size_t start = 0;
    for (std::size_t slash = caps->second.find('/'); slash != std::string::npos;
         slash = caps->second.find('/', start)) {
        values.push_back(caps->second.substr(start, slash - start));
        start = slash + 1;
    }
    values.push_back(caps->second.substr(start));
    const auto name = offer.find(std::string(field::offerKeys[calculators::offerColumns::name]));
    const std::string offerName = name == offer.end() || name->second.find_first_not_of(' ') == std::string::npos
        ? calculators::defaultOfferName(position)
        : name->second;
    if (values.size() != std::size(capKeys))
        throw RefusedOption(field::offer,
            "The caps of " + offerName
                + " must be three numbers separated by slashes, the first change's, each later change's and the "
                  "lifetime cap in percentage points, such as caps=2/1/5.");
    offer.erase(caps);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!offer.emplace(capKeys[i], values[i]).second)
            throw RefusedOption(field::offer, offerFormMessage);
}

calculators::FieldTexts::Row offerRow(std::string_view text, std::size_t position)
{
    std::vector<std::string_view> pairs;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',', comma + 1)) {
        if (startsWithKey(text.substr(comma + 1))) {
            pairs.push_back(text.substr(start, comma - start));
            start = comma + 1;
        }
    }
    pairs.push_back(text.substr(start));

    calculators::FieldTexts::Row offer;
    for (const std::string_view pair : pairs) {
        const auto equals = pair.find('=');
        const std::string_view key = pair.substr(0, equals);
        const bool known = key == capsKey || std::ranges::find(field::offerKeys, key) != std::end(field::offerKeys);
        if (equals == std::string_view::npos || !known || !offer.emplace(key, pair.substr(equals + 1)).second)
            throw RefusedOption(field::offer, offerFormMessage);
    }
    splitCaps(offer, position);
    return offer;
}

Cell cellOf(const calculators::ComparisonCell& cell)
{
    return { cell.text, cell.value };
}

// The worst case's figures by their names in the comparison and in the worst case's object.
constexpr std::pair<std::string_view, std::string_view> worstCaseNames[]
    = { { "worstPaidInYearsKept", "paidInYearsKept" }, { "worstCostInYearsKept", "costInYearsKept" },
          { "worstBalanceAtYearsKept", "balanceAtYearsKept" } };

std::string_view worstCaseName(std::string_view figure)
{
    const auto found = std::ranges::find(worstCaseNames, figure, &std::pair<std::string_view, std::string_view>::first);
    return found == std::end(worstCaseNames) ? std::string_view() : found->second;
}

// [{"from": 1, "rate": {...}, "payment": {...}}, ...]: payment numbers bare, rates and payments as figures.
std::vector<RecordObject> rateSteps(
    const std::vector<calculators::RateStep>& steps, const regional::RegionalSettings& settings)
{
    std::vector<RecordObject> objects;
    for (const calculators::RateStep& step : steps) {
        const Cell rate = cellOf(calculators::rateCell(step.rateTenThousandths, settings));
        objects.push_back({ { "from", std::int64_t { step.from } }, { "rate", rate },
            { "payment", cellOf(calculators::centsCell(step.payment, settings)) } });
    }
    return objects;
}

Report run(const Given& given, const Context& context)
{
    const auto& settings = context.settings;
    // The rows of a scenario file, saved by the window, keep the greyed terms of fixed rates, which the window leaves
    // out; an --offer is read as given.
    calculators::FieldTexts texts = calculators::withoutTermsOfFixedRates(given.fieldTexts());
    texts.set(field::firstPayment, firstPaymentText(given, field::firstPayment, context));
    const std::vector<std::string> typedOffers = given.all(field::offer);
    for (std::size_t position = 0; position < typedOffers.size(); ++position)
        texts.addRow(field::offer, offerRow(typedOffers[position], position));
    const calculators::LoanOffersInput input = readOptions(calculators::readLoanOffers, texts, context);
    Report report;
    report.inputs = calculators::offersInputsAsTyped(texts);
    const calculators::LoanOffersComparison comparison = calculators::compareLoanOffers(input);
    for (const calculators::ComparisonRow& row : calculators::comparisonRows(input, comparison, settings)) {
        auto& cells = report.grid.emplace_back();
        cells.push_back({ row.caption });
        for (const calculators::ComparisonCell& cell : row.cells)
            cells.push_back({ cell.text, cell.value });
    }
    report.notes = calculators::comparisonNotes(input, comparison, settings);
    RecordList& offers = report.lists.emplace_back();
    offers.name = "offers";
    const auto figures = calculators::offerFigureCells(input, comparison, settings);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        auto& record = offers.records.emplace_back();
        record.push_back({ "name", input.offers[i].name });
        record.push_back({ "best", comparison.offers[i].best });
        const auto& adjustable = comparison.offers[i].adjustable;
        record.push_back({ "rateType", std::string(adjustable ? "adjustable" : "fixed") });
        std::optional<std::size_t> worstCase; // the entry of the worst case's object, from its first figure on
        for (const calculators::NamedFigure& figure : figures[i]) {
            const Cell cell = cellOf(figure.cell);
            if (figure.name == "costsNoMoreThanBaseline") {
                std::vector<NumberRun> runs;
                for (const calculators::CostRun& run : comparison.offers[i].costsNoMoreThanBaseline)
                    runs.push_back({ run.from, run.to });
                record.push_back({ std::string(figure.name), std::move(runs) });
            } else if (figure.name == "rateSteps") {
                record.push_back({ std::string(figure.name), rateSteps(adjustable->rateSteps, settings) });
            } else if (const auto worst = worstCaseName(figure.name); !worst.empty()) {
                // The worst case's figures go together, by the names of the same figures with the index unchanged.
                if (!worstCase) {
                    worstCase = record.size();
                    record.push_back({ "worstCase", RecordObject {} });
                }
                std::get<RecordObject>(record[*worstCase].value).push_back({ std::string(worst), cell });
            } else if (figure.cell.value.empty()) {
                // A figure with no value, the break-even of an offer that never stays at or below the baseline, is
                // null.
                record.push_back({ std::string(figure.name), std::monostate {} });
            } else {
                record.push_back({ std::string(figure.name), cell });
            }
        }
    }
    return report;
}

} // namespace

const Subcommand& loanOffersCommand()
{
    static const Subcommand command { "compare",
        "Lenders' loan offers side by side: APR, the monthly cost with mortgage insurance, the cost over the years "
        "you keep the loan.",
        options,
        "--price 400000 --down 40000 --tax 4800 --insurance 1500 --first-payment 2027-01-01 --offer "
        "rate=6.5,years=30,points=1,fees=1200,closing=3000,mi=0.5 --offer rate=6.875,years=30,closing=3000,credit=2000 "
        "--offer name=ARM,rate=5.875,years=30,closing=3000,mi=0.5,adjustable=yes,fixed-years=5,every=6,index=4.31,"
        "margin=2.75,caps=2/1/5",
        run, calculators::offersOptionText };
    return command;
}

} // namespace cli
