#pragma once

// Lenders' offers for one home purchase side by side: each offer's monthly cost with mortgage insurance, its APR
// by the actuarial method, its total interest percentage and what it costs over the years the buyer keeps the
// loan, all to the cent on the planner's whole-cent schedule.
#include "calculators/CsvText.h"
#include "calculators/extrapayments/ExtraPaymentsPlan.h"
#include "calculators/fields/FieldFailure.h"
#include "calculators/fields/FieldTexts.h"
#include "calculators/loanoffers/AdjustableRate.h"
#include "regional/RegionalSettings.h"
#include "regional/ShortDate.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace calculators {

// The limits the reader, its messages, the help texts and the window take. The price, the rate, the term and the
// first payment date keep the planner's limits (largestPlanAmount, highestPlanRate, longestPlanYears and
// earliestPlanYear to latestPlanYear); every other amount is 0 to largestPlanAmount.
constexpr std::size_t mostLoanOffers = 4;
constexpr std::size_t longestOfferName = 30; // characters
constexpr std::int32_t longestYearsKept = 50;
constexpr std::int32_t defaultYearsKept = 5;
constexpr std::int64_t highestOfferPoints = 10000; // 10 % of the loan, in thousandths of a percent
constexpr std::int64_t highestOfferInsurance = 5000; // 5 % of the loan a year, in thousandths of a percent

// The fields by the names their failures give them, which are the command line's options. A failure in an offer
// names the field "offer" and the cell { the offer's row in the table of offers, the index of its key in
// offerKeys }.
namespace offerFields {
inline constexpr std::string_view price = "price", down = "down", tax = "tax", insurance = "insurance", dues = "dues",
                                  keep = "keep", firstPayment = "first-payment", offer = "offer";
// The keys of an offer's fields, in the order shown: --offer "name=Bank A,rate=6.5,years=30". An adjustable rate
// ("adjustable=yes") has the keys from "fixed-years" on, which a fixed offer leaves out.
inline constexpr std::string_view offerKeys[] = { "name", "rate", "years", "points", "fees", "closing", "credit", "mi",
    "adjustable", "fixed-years", "every", "index", "margin", "first-cap", "later-cap", "lifetime-cap", "lowest" };
} // namespace offerFields
// The index of each key in offerKeys, which is the column of a failure's cell.
namespace offerColumns {
inline constexpr int name = 0, rate = 1, years = 2, points = 3, fees = 4, closing = 5, credit = 6, mi = 7,
                     adjustable = 8, fixedYears = 9, every = 10, index = 11, margin = 12, firstCap = 13, laterCap = 14,
                     lifetimeCap = 15, lowest = 16;
} // namespace offerColumns

// The name an offer in that position goes by when its name is left blank: "Offer A" to "Offer D".
std::string defaultOfferName(std::size_t position);

// An offer read exactly: money in cents, the rate in ten-thousandths of a percent, points and mortgage insurance
// in thousandths of a percent.
struct LoanOffer
{
    std::string name;
    std::int64_t rateTenThousandths = 0;
    std::int32_t years = 0;
    std::int64_t pointsThousandths = 0;
    Cents lenderFees = 0; // finance charges: origination, underwriting
    Cents closingCosts = 0; // other costs that are no finance charges: title, appraisal, recording
    Cents lenderCredit = 0;
    std::int64_t insuranceThousandths = 0; // a year
    std::size_t position = 0; // its row in the table of offers
    std::optional<AdjustableTerms> adjustable; // none: the rate is fixed; else rateTenThousandths is the initial rate
};

struct LoanOffersInput
{
    Cents price = 0;
    Cents down = 0;
    Cents yearlyTax = 0;
    Cents yearlyInsurance = 0;
    Cents monthlyDues = 0;
    std::int32_t yearsKept = defaultYearsKept;
    finance::CivilDate firstPaymentDate { 2027, 1, 1 };
    std::vector<LoanOffer> offers; // one to mostLoanOffers, those with a rate in the order typed
};

// The comparison's reader: the purchase's fields by name as typed, the first payment date as year-month-day
// ("2027-01-01"), and the offers as rows of "offer", each its fields by their keys in offerKeys. The date's form
// first, then each field in the order shown, exactly; a failure in an offer names the offer in its message. An offer
// whose rate is blank is left out; a blank name is its position's default name; blank points, fees, costs, credit
// and insurance are 0, blank tax, insurance and dues 0, blank years kept defaultYearsKept.
std::variant<LoanOffersInput, FieldFailure> readLoanOffers(
    const FieldTexts& texts, const regional::RegionalSettings& settings);

// The texts with the adjustable terms of every offer that is not adjustable left out: the window keeps them, greyed,
// as typed (and so does a scenario file it saves), and neither it nor a scenario read by the command line gives
// them to the reader, which refuses a term of a fixed rate.
FieldTexts withoutTermsOfFixedRates(FieldTexts texts);

// The fields as typed, for the head of a saved file: the purchase's by their captions, then each offer that has a
// rate, its fields captioned with its default name ("Offer B rate (%)").
std::vector<CsvInput> offersInputsAsTyped(const FieldTexts& texts);

// What a field accepts in a few words, from the limits above, in the regional formats, for help texts: a purchase
// field by its name in offerFields, an offer's field by its key.
std::string offersAcceptedText(std::string_view field, const regional::RegionalSettings& settings);

// The same for the command line's options, whose help writes numbers as they are typed there.
std::string offersOptionText(std::string_view field);

// Consecutive payments from one to another, or to the end of the longer term where there is no last.
struct CostRun
{
    std::int32_t from = 0;
    std::optional<std::int32_t> to;
    bool operator==(const CostRun&) const = default;
};

// A rate of the path with the index unchanged, from a payment on, and the level payment it brings.
struct RateStep
{
    std::int32_t from = 0;
    std::int64_t rateTenThousandths = 0;
    Cents payment = 0;
    bool operator==(const RateStep&) const = default;
};

// What an adjustable rate may do: the index unchanged, the worst case (each change toward the highest rate) and the
// best (toward the lowest). The payments counted are the level payments of all but the last payment, which only
// clears the balance; the rate counts at every payment.
struct AdjustableFigures
{
    std::int32_t firstChangePayment = 0;
    std::int32_t changeEveryMonths = 0;
    std::int64_t indexedRate = 0; // the index today plus the margin, rounded to an eighth
    std::vector<RateStep> rateSteps; // the initial rate from payment 1, then each change that moves it
    std::int64_t highestRate = 0; // worst case
    std::int32_t highestRatePayment = 0; // the first payment at it
    Cents highestPayment = 0; // worst case
    std::int32_t highestPaymentFrom = 0;
    Cents lowestPayment = 0; // best case
    std::int32_t lowestPaymentFrom = 0;
    Cents worstPaidInYearsKept = 0;
    Cents worstCostInYearsKept = 0;
    Cents worstBalanceAtYearsKept = 0;
    std::vector<Cents> worstCostCurve; // as costCurve, in the worst case
};

struct OfferFigures
{
    Cents loanAmount = 0;
    Cents monthlyPrincipalAndInterest = 0;
    Cents mortgageInsurance = 0; // the monthly premium; 0 without insurance
    std::int32_t mortgageInsuranceLastPayment = 0; // 0 without insurance
    Cents monthlyTaxes = 0;
    Cents monthlyInsurance = 0;
    Cents monthlyDues = 0;
    Cents monthlyTotal = 0; // of the first payment
    Cents points = 0;
    Cents lenderCreditUsed = 0; // toward the points, fees and closing costs
    Cents creditNotUsed = 0; // the lender credit above them, which lowers no figure
    Cents loanCostsUpFront = 0;
    Cents cashToClose = 0;
    Cents prepaidFinanceCharge = 0;
    Cents amountFinanced = 0;
    std::int64_t aprThousandths = 0; // percent times 1000
    std::int64_t totalInterestPercentThousandths = 0;
    Cents totalInterest = 0;
    std::int32_t payments = 0;
    Cents paidInYearsKept = 0;
    Cents principalInYearsKept = 0;
    Cents costInYearsKept = 0;
    Cents balanceAtYearsKept = 0;
    // The runs of payments after which this offer has cost no more than the baseline, month by month to the end of
    // the longer term: the cost lines can cross back, when mortgage insurance ends. None for the baseline itself.
    std::vector<CostRun> costsNoMoreThanBaseline;
    // The first payment from which this offer stays at or below the baseline to the end; none when it never does,
    // and none for the baseline itself.
    std::optional<std::int32_t> breakEvenPayment;
    // The lowest cost in the years kept; offers tied for it are all best, and one offer alone is not.
    bool best = false;
    // Index k: loan costs up front plus the interest and premiums of payments 1 to k; k = 0 to payments.
    std::vector<Cents> costCurve;
    // An adjustable rate's cases; every figure above takes the index unchanged.
    std::optional<AdjustableFigures> adjustable;
};

struct LoanOffersComparison
{
    std::vector<OfferFigures> offers; // in the order of LoanOffersInput::offers
    std::size_t baseline = 0; // the offer with the lowest cash to close, the first of them on a tie
    std::int32_t monthsKept = 0; // 12 times the years kept
};

// The comparison of offers read by readLoanOffers, whose limits it trusts. Only two offers or more have a best and
// runs against the baseline.
LoanOffersComparison compareLoanOffers(const LoanOffersInput& input);

// Each month's cost of an offer less the baseline's, month 0 (closing) to the end of the longer term; a curve stays
// at its last value after its own last payment. Below zero the offer has cost less so far.
std::vector<Cents> costAgainstBaseline(const LoanOffersComparison& comparison, std::size_t offer);
// The same for any cost curve, such as an adjustable rate's worst case.
std::vector<Cents> curveAgainstBaseline(const LoanOffersComparison& comparison, const std::vector<Cents>& curve);

// The points of an offer in money: the loan times the points, to the nearest cent, a half away from zero.
Cents offerPoints(Cents loan, std::int64_t pointsThousandths);

// Texts the window, its print-out and the command line show, byte for byte the same.

// A cell of the comparison: its text as shown and its value for programs (an exact decimal with a full stop, or
// empty where the cell holds no figure).
struct ComparisonCell
{
    std::string text;
    std::string value;
};

// A row of the comparison grid: its caption, a cell per offer, and the figure's name for programs (empty in the
// heading row).
struct ComparisonRow
{
    std::string_view figure;
    std::string caption;
    std::vector<ComparisonCell> cells;
};

// The heading row (an empty caption, then the offers' names, the best marked " (best)"), then a row per figure: the
// lender credit not used only where an offer has some, the runs against the baseline only for two offers or more.
std::vector<ComparisonRow> comparisonRows(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings);

// The runs in words: "payments 41–143 (5/2030–11/2038); from payment 150 (6/2039) on", "payment 7 (7/2027)", or
// "never" where there is none.
std::string costRunsText(
    const std::vector<CostRun>& runs, const LoanOffersInput& input, const regional::RegionalSettings& settings);

// units / 10^decimals (units >= 0) with all its decimals, or without trailing zeros where trimmed: 6.500 or 6.5.
std::string decimalText(std::int64_t units, int decimals, const std::string& separator, bool trimmed = false);

// A rate in a cell, at least 3 decimals and a fourth where it has one: "7.125%", value "7.125".
ComparisonCell rateCell(std::int64_t tenThousandths, const regional::RegionalSettings& settings);

// An amount in a cell: "$1,234.50", value "1234.50".
ComparisonCell centsCell(Cents amount, const regional::RegionalSettings& settings);

// An adjustable rate's steps with the index unchanged: "6.000%, $2,398.20 from payment 1; 7.125%, $2,841.17 from
// payment 61". Of more than mostRateStepsShown steps, the first ones, how many are left out, and the last.
constexpr std::size_t mostRateStepsShown = 4;
std::string rateStepsText(const std::vector<RateStep>& steps, const regional::RegionalSettings& settings);

// What the comparison concluded for the years kept, in a sentence with the amounts ("Over the 7 years you keep the
// loan, Points Bank costs least: $1,381.81 less than Credit Union."), ties said as ties; then a note for each offer
// whose lender credit is above its costs up front.
std::vector<std::string> comparisonNotes(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings);

// Every figure of each offer by its name for programs, the grid's and the few it leaves out (prepaidFinanceCharge,
// amountFinanced, totalInterest, payments, breakEvenPayment), with the same texts.
struct NamedFigure
{
    std::string_view name;
    ComparisonCell cell;
};
std::vector<std::vector<NamedFigure>> offerFigureCells(
    const LoanOffersInput& input, const LoanOffersComparison& comparison, const regional::RegionalSettings& settings);

// What each offer has cost by a month, a line each, for a chart's hover: "Payment 41 (5/2030)", then "Bank:
// $21,000.00 (lowest cash to close)", "Points Bank: $20,950.00, $50.00 less", and after an adjustable rate its worst
// case ("ARM, worst case: $21,400.00, $400.00 more"); month 0 is "At closing".
std::string monthCostText(const LoanOffersInput& input, const LoanOffersComparison& comparison, std::int32_t month,
    const regional::RegionalSettings& settings);

// The purchase and the offers as read, for the head of the print-out.
std::vector<std::string> offersInputLines(const LoanOffersInput& input, const regional::RegionalSettings& settings);

} // namespace calculators
