#include "calculators/extrapayments/ExtraPaymentsRules.h"
#include "calculators/fields/FieldReader.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "finance/CalendarDays.h"
#include "regional/MessageTemplate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>

namespace calculators {

namespace {

// An offer's fields as typed. An offer whose rate is blank is left out; a blank name is its default name, blank
// points, fees, costs, credit and insurance are 0.
struct LoanOfferTexts
{
    std::string name;
    std::string rate;
    std::string years;
    std::string points;
    std::string lenderFees;
    std::string closingCosts;
    std::string lenderCredit;
    std::string mortgageInsurance;
    // An adjustable rate's: "yes" or "no" (blank: no), then its terms, which a fixed rate leaves blank.
    std::string adjustable;
    std::string fixedYears;
    std::string every;
    std::string index;
    std::string margin;
    std::string firstCap;
    std::string laterCap;
    std::string lifetimeCap;
    std::string lowest;
};

// The purchase the offers share, and the offers in the order shown. Blank tax, insurance and dues are 0, blank
// years kept are defaultYearsKept.
struct LoanOffersTexts
{
    std::string price;
    std::string down;
    std::string tax; // a year
    std::string insurance; // a year
    std::string dues; // a month
    std::string yearsKept;
    finance::CivilDate firstPaymentDate { 2027, 1, 1 };
    std::vector<LoanOfferTexts> offers;
};

namespace field = offerFields;
namespace column = offerColumns;

// The limits in the units the texts show them: percent, years, whole money.
constexpr std::int32_t highestPointsPercent = static_cast<std::int32_t>(highestOfferPoints / 1000);
constexpr std::int32_t highestInsurancePercent = static_cast<std::int32_t>(highestOfferInsurance / 1000);
constexpr auto longestName = static_cast<std::int32_t>(longestOfferName);
constexpr auto mostOffers = static_cast<std::int32_t>(mostLoanOffers);
constexpr auto highestIndexOrMarginPercent = static_cast<std::int32_t>(highestIndexOrMargin / 10000);
constexpr auto highestRateCapPoints = static_cast<std::int32_t>(highestRateCap / 1000);

// An adjustable rate's term by its key's column, in words.
const char* adjustableTermName(int key)
{
    switch (key) {
    case column::fixedYears:
        return "fixed years";
    case column::every:
        return "months between changes";
    case column::index:
        return "index today";
    case column::margin:
        return "margin";
    case column::firstCap:
        return "first change cap";
    case column::laterCap:
        return "later change cap";
    case column::lifetimeCap:
        return "lifetime cap";
    default:
        return "lowest rate";
    }
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A name is one line of at most longestOfferName characters; UTF-8 continuation bytes take no room.
bool isOfferName(const std::string& name)
{
    const auto characters = std::count_if(
        name.begin(), name.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return characters <= longestName
        && std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

class OffersReader final
{
public:
    explicit OffersReader(const regional::RegionalSettings& settings)
        : settings(settings)
        , read(settings)
    { }

    std::variant<LoanOffersInput, FieldFailure> purchaseAndOffers(const LoanOffersTexts& texts)
    {
        purchase(texts);
        if (read.failure())
            return *read.failure();
        // A comparison holds mostLoanOffers, the window's columns: a row more is refused even when it is empty,
        // so that a blank offer's default name is its place among them.
        read.require(texts.offers.size() <= mostLoanOffers,
            { field::offer, TableCell { mostOffers, column::rate },
                message("There can be at most %d offers.", { mostOffers }) });
        if (read.failure())
            return *read.failure();
        for (std::size_t position = 0; position < texts.offers.size(); ++position)
            if (!trimmed(texts.offers[position].rate).empty())
                offer(texts.offers[position], position);
        read.require(!input.offers.empty(),
            { field::offer, TableCell { 0, column::rate }, "Enter the rate of at least one offer." });
        if (read.failure())
            return *read.failure();
        return input;
    }

private:
    std::string message(const char* text, std::initializer_list<regional::MessageArgument> arguments) const
    {
        return regional::formatMessage(text, arguments, settings);
    }

    void purchase(const LoanOffersTexts& texts)
    {
        input.price = read.exact(texts.price, 2, 1, largestPlanAmount, std::nullopt,
            { field::price, std::nullopt, amountMessage("home price", settings) });
        downPayment(texts.down);
        read.require(input.down < input.price,
            { field::down, std::nullopt,
                message("The down payment must be less than the home price of %s.",
                    { centsText(input.price, settings) }) });
        input.yearlyTax = read.exact(texts.tax, 2, 0, largestPlanAmount, 0,
            { field::tax, std::nullopt, moneyMessage("yearly property tax", settings) });
        input.yearlyInsurance = read.exact(texts.insurance, 2, 0, largestPlanAmount, 0,
            { field::insurance, std::nullopt, moneyMessage("yearly homeowner's insurance", settings) });
        input.monthlyDues = read.exact(texts.dues, 2, 0, largestPlanAmount, 0,
            { field::dues, std::nullopt, moneyMessage("monthly association dues", settings) });
        input.yearsKept = read.whole(texts.yearsKept, 1, longestYearsKept, defaultYearsKept,
            { field::keep, std::nullopt,
                message(
                    "The years you keep the loan must be a whole number between 1 and %d.", { longestYearsKept }) });
        const finance::CivilDate& first = texts.firstPaymentDate;
        requirePlanDate(read, first, field::firstPayment, settings);
        input.firstPaymentDate = first;
    }

    // An amount, or a share of the price: "10%" or "10 %" is 10 % of it, to the nearest cent.
    void downPayment(const std::string& typed)
    {
        const FieldFailure refused { field::down, std::nullopt,
            message("The down payment must be an amount from 0 to %d with at most 2 decimals after a \"%s\", "
                    "entered without %s or thousands separators, or a share of the home price below 100 %%, such as "
                    "10%% or 12%s5 %%.",
                { largestPlanMoney, settings.decimalSeparator, settings.currencySymbol, settings.decimalSeparator }) };
        std::string text = trimmed(typed);
        if (text.empty() || text.back() != '%') {
            input.down = read.exact(typed, 2, 0, largestPlanAmount, std::nullopt, refused);
            return;
        }
        text.pop_back();
        const std::int64_t share = read.exact(trimmed(text), 3, 0, 99999, std::nullopt, refused);
        input.down = (2 * input.price * share + 100000) / 200000;
    }

    void offer(const LoanOfferTexts& texts, std::size_t position)
    {
        const int row = static_cast<int>(position);
        const auto refused = [row](int key, std::string text) {
            return FieldFailure { field::offer, TableCell { row, key }, std::move(text) };
        };
        LoanOffer offer;
        offer.position = position;
        offer.name = trimmed(texts.name);
        const std::string defaultName = defaultOfferName(position);
        read.require(isOfferName(offer.name),
            refused(column::name,
                message("The name of %s must be at most %d characters, without tabs or line breaks.",
                    { defaultName, longestName })));
        if (offer.name.empty() || !isOfferName(offer.name))
            offer.name = defaultName;
        const std::string& name = offer.name;
        offer.rateTenThousandths = read.exact(texts.rate, 4, 0, highestPlanRate, std::nullopt,
            refused(column::rate,
                message("The rate of %s must be between 0 and %d percent, with at most 4 decimals after a \"%s\" "
                        "and without a percent sign.",
                    { name, highestPlanRatePercent, settings.decimalSeparator })));
        offer.years = read.whole(texts.years, 1, longestPlanYears, std::nullopt,
            refused(column::years,
                message(
                    "The term of %s must be a whole number of years between 1 and %d.", { name, longestPlanYears })));
        offer.pointsThousandths = read.exact(texts.points, 3, 0, highestOfferPoints, 0,
            refused(column::points,
                message("The points of %s must be between 0 and %d percent of the loan, with at most 3 decimals "
                        "after a \"%s\" and without a percent sign.",
                    { name, highestPointsPercent, settings.decimalSeparator })));
        offer.lenderFees = read.exact(texts.lenderFees, 2, 0, largestPlanAmount, 0,
            refused(column::fees, moneyMessage("lender fees of " + name, settings)));
        offer.closingCosts = read.exact(texts.closingCosts, 2, 0, largestPlanAmount, 0,
            refused(column::closing, moneyMessage("other closing costs of " + name, settings)));
        offer.lenderCredit = read.exact(texts.lenderCredit, 2, 0, largestPlanAmount, 0,
            refused(column::credit, moneyMessage("lender credit of " + name, settings)));
        offer.insuranceThousandths = read.exact(texts.mortgageInsurance, 3, 0, highestOfferInsurance, 0,
            refused(column::mi,
                message("The mortgage insurance of %s must be between 0 and %d percent of the loan a year, with at "
                        "most 3 decimals after a \"%s\" and without a percent sign.",
                    { name, highestInsurancePercent, settings.decimalSeparator })));
        // The amount financed, the loan less the prepaid finance charge, must stay above 0.
        const Cents loan = input.price - input.down;
        read.require(offerPoints(loan, offer.pointsThousandths) + offer.lenderFees - offer.lenderCredit < loan,
            refused(column::fees,
                message("The points and lender fees of %s less its lender credit must be less than the loan "
                        "amount of %s.",
                    { name, centsText(loan, settings) })));
        adjustableRate(texts, offer, refused);
        input.offers.push_back(std::move(offer));
    }

    // The terms of an adjustable rate, all of them given but the lowest rate; a fixed rate has none.
    template <typename Refused>
    void adjustableRate(const LoanOfferTexts& texts, LoanOffer& offer, const Refused& refused)
    {
        const std::string& name = offer.name;
        const std::string adjustable = trimmed(texts.adjustable);
        read.require(adjustable.empty() || adjustable == "yes" || adjustable == "no",
            refused(column::adjustable, message("Whether %s has an adjustable rate must be yes or no.", { name })));
        const std::pair<int, const std::string*> terms[] = { { column::fixedYears, &texts.fixedYears },
            { column::every, &texts.every }, { column::index, &texts.index }, { column::margin, &texts.margin },
            { column::firstCap, &texts.firstCap }, { column::laterCap, &texts.laterCap },
            { column::lifetimeCap, &texts.lifetimeCap }, { column::lowest, &texts.lowest } };
        if (adjustable != "yes") {
            for (const auto& [key, text] : terms)
                read.require(trimmed(*text).empty(),
                    refused(key,
                        message("%s has a fixed rate, which has no %s: leave it out, or make the rate adjustable "
                                "(adjustable=yes).",
                            { name, adjustableTermName(key) })));
            return;
        }
        AdjustableTerms& adjustableTerms = offer.adjustable.emplace();
        if (offer.years < 2)
            read.require(false,
                refused(column::fixedYears,
                    message("The fixed years of %s must be fewer than its term, so an adjustable rate needs a term of "
                            "2 years or more.",
                        { name })));
        else
            adjustableTerms.fixedYears = read.whole(texts.fixedYears, 1, offer.years - 1, std::nullopt,
                refused(column::fixedYears,
                    message("The fixed years of %s must be a whole number from 1 to %d, fewer than its term.",
                        { name, offer.years - 1 })));
        adjustableTerms.everyMonths = read.whole(texts.every, 1, longestChangeMonths, std::nullopt,
            refused(column::every,
                message("The months between changes of the rate of %s must be a whole number from 1 to %d.",
                    { name, longestChangeMonths })));
        const auto percentage = [&](int key, const std::string& text, const char* what) {
            return read.exact(text, 4, 0, highestIndexOrMargin, std::nullopt,
                refused(key,
                    message("The %s of %s must be between 0 and %d percent, with at most 4 decimals after a \"%s\" "
                            "and without a percent sign.",
                        { what, name, highestIndexOrMarginPercent, settings.decimalSeparator })));
        };
        adjustableTerms.indexTenThousandths = percentage(column::index, texts.index, "index today");
        adjustableTerms.marginTenThousandths = percentage(column::margin, texts.margin, "margin");
        const auto cap = [&](int key, const std::string& text) {
            return read.exact(text, 3, 0, highestRateCap, std::nullopt,
                refused(key,
                    message("The %s of %s must be between 0 and %d percentage points, with at most 3 decimals after "
                            "a \"%s\" and without a percent sign.",
                        { adjustableTermName(key), name, highestRateCapPoints, settings.decimalSeparator })));
        };
        adjustableTerms.firstCapThousandths = cap(column::firstCap, texts.firstCap);
        adjustableTerms.laterCapThousandths = cap(column::laterCap, texts.laterCap);
        adjustableTerms.lifetimeCapThousandths = cap(column::lifetimeCap, texts.lifetimeCap);
        // The lowest rate is the margin when left out, or the initial rate where the margin is above it.
        const std::int64_t initial = offer.rateTenThousandths;
        adjustableTerms.lowestTenThousandths = read.exact(texts.lowest, 4, 0, initial,
            std::min(adjustableTerms.marginTenThousandths, initial),
            refused(column::lowest,
                message("The lowest rate of %s must be between 0 and its initial rate of %s percent, with at most 4 "
                        "decimals after a \"%s\" and without a percent sign.",
                    { name, decimalText(initial, 4, settings.decimalSeparator, true), settings.decimalSeparator })));
    }

    const regional::RegionalSettings& settings;
    FieldReader read;
    LoanOffersInput input;
};

} // namespace

std::string defaultOfferName(std::size_t position)
{
    return std::string("Offer ") + static_cast<char>('A' + position % 26);
}

std::variant<LoanOffersInput, FieldFailure> readLoanOffers(
    const FieldTexts& fields, const regional::RegionalSettings& settings)
{
    LoanOffersTexts texts;
    texts.price = fields.text(field::price);
    texts.down = fields.text(field::down);
    texts.tax = fields.text(field::tax);
    texts.insurance = fields.text(field::insurance);
    texts.dues = fields.text(field::dues);
    texts.yearsKept = fields.text(field::keep);
    const auto date = regional::isoDate(fields.text(field::firstPayment));
    if (!date)
        return FieldFailure { field::firstPayment, std::nullopt, std::string(firstPaymentFormMessage) };
    texts.firstPaymentDate = *date;
    for (const FieldTexts::Row& row : fields.rows(field::offer)) {
        LoanOfferTexts& offer = texts.offers.emplace_back();
        std::string* const cells[]
            = { &offer.name, &offer.rate, &offer.years, &offer.points, &offer.lenderFees, &offer.closingCosts,
                  &offer.lenderCredit, &offer.mortgageInsurance, &offer.adjustable, &offer.fixedYears, &offer.every,
                  &offer.index, &offer.margin, &offer.firstCap, &offer.laterCap, &offer.lifetimeCap, &offer.lowest };
        static_assert(std::size(cells) == std::size(field::offerKeys));
        for (std::size_t key = 0; key < std::size(cells); ++key)
            *cells[key] = cellText(row, field::offerKeys[key]);
    }
    return OffersReader(settings).purchaseAndOffers(texts);
}

FieldTexts withoutTermsOfFixedRates(FieldTexts texts)
{
    std::vector<FieldTexts::Row> rows = texts.rows(field::offer);
    for (FieldTexts::Row& row : rows) {
        if (trimmed(cellText(row, field::offerKeys[column::adjustable])) == "yes")
            continue;
        for (const std::string_view key : std::span(field::offerKeys).subspan(column::fixedYears))
            if (const auto term = row.find(key); term != row.end())
                row.erase(term);
    }
    texts.setRows(field::offer, std::move(rows));
    return texts;
}

std::vector<CsvInput> offersInputsAsTyped(const FieldTexts& texts)
{
    const std::pair<std::string_view, const char*> purchase[]
        = { { field::price, "Home price" }, { field::down, "Down payment" }, { field::tax, "Property tax a year" },
              { field::insurance, "Homeowner's insurance a year" }, { field::dues, "Association dues a month" },
              { field::keep, "Years you keep the loan" }, { field::firstPayment, "First payment" } };
    const char* const offerCaptions[]
        = { "name", "rate (%)", "term (years)", "points (%)", "lender fees", "other closing costs", "lender credit",
              "mortgage insurance (%)", "adjustable rate", "fixed years", "months between changes", "index today (%)",
              "margin (%)", "first change cap", "later change cap", "lifetime cap", "lowest rate (%)" };
    static_assert(std::size(offerCaptions) == std::size(field::offerKeys));
    std::vector<CsvInput> inputs;
    for (const auto& [name, caption] : purchase)
        inputs.push_back({ caption, texts.text(name) });
    const auto& rows = texts.rows(field::offer);
    for (std::size_t position = 0; position < rows.size(); ++position) {
        if (trimmed(cellText(rows[position], field::offerKeys[column::rate])).empty())
            continue;
        // A fixed rate's offer has its fields up to the mortgage insurance, an adjustable rate's all of them.
        const bool adjustable = trimmed(cellText(rows[position], field::offerKeys[column::adjustable])) == "yes";
        const std::size_t keys = adjustable ? std::size(field::offerKeys) : column::adjustable;
        for (std::size_t key = 0; key < keys; ++key)
            inputs.push_back({ defaultOfferName(position) + " " + offerCaptions[key],
                cellText(rows[position], field::offerKeys[key]) });
    }
    return inputs;
}

namespace {

// What a field accepts, the largest amount written as given.
std::string acceptedText(std::string_view name, const regional::RegionalSettings& settings, const std::string& largest)
{
    const auto text = [&settings](const char* pattern, std::initializer_list<regional::MessageArgument> arguments) {
        return regional::formatMessage(pattern, arguments, settings);
    };
    std::string money = text("0 to %s, at most 2 decimals; 0 when left out", { largest });
    if (name == field::price)
        return text("%s to %s, at most 2 decimals", { "0" + settings.decimalSeparator + "01", largest });
    if (name == field::down)
        return "0 to less than the price, at most 2 decimals, or a share of the price such as 10%";
    if (name == field::tax || name == field::insurance || name == field::dues)
        return money;
    if (name == field::keep)
        return text("a whole number from 1 to %d; %d when left out", { longestYearsKept, defaultYearsKept });
    if (name == field::firstPayment)
        return text(
            "%d-01-01 to %d-12-31; the first of next month when left out", { earliestPlanYear, latestPlanYear });
    const auto& keys = field::offerKeys;
    if (name == keys[column::name])
        return text("at most %d characters; Offer A to D by its place when left out", { longestName });
    if (name == keys[column::rate])
        return text(
            "0 to %d percent, at most 4 decimals; the offer is left out when it is empty", { highestPlanRatePercent });
    if (name == keys[column::years])
        return text("a whole number of years from 1 to %d", { longestPlanYears });
    if (name == keys[column::points])
        return text("0 to %d percent of the loan, at most 3 decimals; 0 when left out", { highestPointsPercent });
    if (name == keys[column::fees] || name == keys[column::closing] || name == keys[column::credit])
        return money;
    if (name == keys[column::mi])
        return text(
            "0 to %d percent of the loan a year, at most 3 decimals; 0 when left out", { highestInsurancePercent });
    if (name == keys[column::adjustable])
        return "yes or no; a fixed rate when left out";
    if (name == keys[column::fixedYears])
        return "a whole number of years from 1 to one less than the term";
    if (name == keys[column::every])
        return text("a whole number of months from 1 to %d", { longestChangeMonths });
    if (name == keys[column::index] || name == keys[column::margin])
        return text("0 to %d percent, at most 4 decimals", { highestIndexOrMarginPercent });
    if (name == keys[column::firstCap] || name == keys[column::laterCap] || name == keys[column::lifetimeCap])
        return text("0 to %d percentage points, at most 3 decimals", { highestRateCapPoints });
    if (name == keys[column::lowest])
        return "0 to the initial rate, at most 4 decimals; the margin, or the initial rate where the margin is above "
               "it, when left out";
    if (name == field::offer) {
        // The command line writes the three caps as one: caps=2/1/5.
        std::string accepted = text("up to %d, each as key=value pairs separated by commas:", { mostOffers });
        for (const std::string_view key : keys) {
            if (key == keys[column::laterCap] || key == keys[column::lifetimeCap])
                continue;
            accepted += std::string(key == keys[0] ? " " : "; ");
            accepted += key == keys[column::firstCap]
                ? "caps (the first change's, each later change's and the lifetime cap separated by slashes, each "
                    + acceptedText(key, settings, largest) + ")"
                : std::string(key) + " (" + acceptedText(key, settings, largest) + ")";
        }
        return accepted;
    }
    return "a number";
}

} // namespace

std::string offersAcceptedText(std::string_view name, const regional::RegionalSettings& settings)
{
    return acceptedText(
        name, settings, regional::formatMessage("%n", { static_cast<finance::Extended>(largestPlanMoney) }, settings));
}

// Options are typed without thousands separators, so their help writes the limit without them.
std::string offersOptionText(std::string_view name)
{
    return acceptedText(name, regional::RegionalSettings {}, std::to_string(largestPlanMoney));
}

} // namespace calculators
