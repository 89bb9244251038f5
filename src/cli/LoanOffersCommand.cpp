// corvanta-calc compare: lenders' offers for one home side by side, the comparison window's grid to the cent.
#include "calculators/loanoffers/LoanOffers.h"
#include "cli/CommandList.h"
#include "cli/DateOption.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <iterator>
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
      "closing, credit and mi, each at most once, such as rate=6.5,years=30,points=1.";

// Whether a key and "=" start the text: a comma before it separates two pairs, any other comma (a decimal comma, one
// in a name) belongs to the value before it.
bool startsWithKey(std::string_view text)
{
    const auto end = std::find_if_not(
        text.begin(), text.end(), [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; });
    return end != text.begin() && end != text.end() && *end == '=';
}

calculators::FieldTexts::Row offerRow(std::string_view text)
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
        const auto key = std::ranges::find(field::offerKeys, pair.substr(0, equals));
        if (equals == std::string_view::npos || key == std::end(field::offerKeys)
            || !offer.emplace(*key, pair.substr(equals + 1)).second)
            throw RefusedOption(field::offer, offerFormMessage);
    }
    return offer;
}

Report run(const Given& given, const Context& context)
{
    const auto& settings = context.settings;
    calculators::FieldTexts texts = given.fieldTexts();
    texts.set(field::firstPayment, firstPaymentText(given, field::firstPayment, context));
    for (const std::string& offer : given.all(field::offer))
        texts.addRow(field::offer, offerRow(offer));
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
        for (const calculators::NamedFigure& figure : figures[i]) {
            if (figure.name == "costsNoMoreThanBaseline") {
                std::vector<NumberRun> runs;
                for (const calculators::CostRun& run : comparison.offers[i].costsNoMoreThanBaseline)
                    runs.push_back({ run.from, run.to });
                record.push_back({ std::string(figure.name), std::move(runs) });
                continue;
            }
            RecordEntry entry { std::string(figure.name), Cell { figure.cell.text, figure.cell.value } };
            // A figure with no value, the break-even of an offer that never stays at or below the baseline, is null.
            if (figure.cell.value.empty())
                entry.value = std::monostate {};
            record.push_back(std::move(entry));
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
        "rate=6.5,years=30,points=1,fees=1200,closing=3000,mi=0.5 --offer rate=6.875,years=30,closing=3000,credit=2000",
        run, calculators::offersOptionText };
    return command;
}

} // namespace cli
