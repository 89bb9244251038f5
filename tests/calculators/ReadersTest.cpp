// Every calculator's reader: the texts as typed, by field name, in; the calculator's input, the first refused field
// or the conversion error of a field read without a check out. The windows and the command line only gather texts
// for these readers, so what is refused, in which order and with which words is tested here once for both.
#include "RegionalPresets.h"
#include "calculators/Checks.h"
#include "calculators/CollegePlan.h"
#include "calculators/Refinance.h"
#include "calculators/RequiredReturn.h"
#include "calculators/RetirementPlanner.h"
#include "calculators/SavingsGrowth.h"
#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/LoanMatrix.h"
#include "calculators/loan/LoanSolver.h"
#include "calculators/loan/Prepayment.h"
#include "calculators/loanoffers/LoanOffers.h"
#include "finance/FinanceErrors.h"
#include "regional/Formats.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <variant>

namespace {

using calculators::FieldFailure;
using calculators::FieldTexts;
using finance::Extended;

std::string number(Extended value)
{
    return regional::generalText(value, regional::RegionalSettings {});
}

// What a reader gave, in one line: "refused field[row,column]: message", "error: message", or the input as the
// describer writes it.
template <typename Input>
std::string outcome(const std::function<std::variant<Input, FieldFailure>()>& read,
    const std::function<std::string(const Input&)>& describe)
{
    try {
        const auto result = read();
        if (const auto* failure = std::get_if<FieldFailure>(&result)) {
            std::string cell;
            if (failure->cell)
                cell = "[" + std::to_string(failure->cell->row) + "," + std::to_string(failure->cell->column) + "]";
            return "refused " + std::string(failure->field) + cell + ": " + failure->message;
        }
        return describe(std::get<Input>(result));
    } catch (const finance::FinanceError& error) {
        return std::string("error: ") + error.what();
    }
}

// A reader and a describer of its input, on texts with the regional settings.
using Reader = std::string (*)(const FieldTexts&, const regional::RegionalSettings&);

struct ReaderCase
{
    const char* name;
    Reader read;
    FieldTexts texts;
    std::string expected;
    bool euro = false; // read with comma decimals, as in Germany
};

void PrintTo(const ReaderCase& c, std::ostream* out)
{
    *out << c.name;
}

class Readers : public testing::TestWithParam<ReaderCase>
{ };

TEST_P(Readers, GiveTheInputOrTheFirstRefusedField)
{
    const ReaderCase& c = GetParam();
    EXPECT_EQ(c.read(c.texts, c.euro ? euroSettings() : unitedStatesSettings()), c.expected);
}

std::string caseName(const testing::TestParamInfo<ReaderCase>& info)
{
    return info.param.name;
}

FieldTexts with(FieldTexts texts, std::initializer_list<std::pair<std::string_view, std::string>> changes)
{
    for (const auto& [field, text] : changes)
        texts.set(field, text);
    return texts;
}

// The loan page, solving for the payment unless "solve-for" says "amount".
std::string loan(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::LoanInput>([&] { return calculators::readLoan(texts, settings); },
        [](const calculators::LoanInput& input) {
            return std::string(input.solveFor == calculators::LoanSolveFor::MonthlyPayment ? "payment" : "amount")
                + " mode, " + number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, amount "
                + number(input.loanAmount) + ", payment " + number(input.monthlyPayment);
        });
}

const FieldTexts aLoan { { "rate", "7" }, { "years", "30" }, { "amount", "150000" }, { "payment", "998" } };

INSTANTIATE_TEST_SUITE_P(Loan, Readers,
    testing::Values(ReaderCase { "PaymentMode", loan, aLoan, "payment mode, 7%, 30 years, amount 150000, payment 998" },
        ReaderCase { "AmountMode", loan, with(aLoan, { { "solve-for", "amount" } }),
            "amount mode, 7%, 30 years, amount 150000, payment 998" },
        // The figure being solved for is never refused: one its check refuses counts as 0.
        ReaderCase { "SolvedFieldRefusedCountsAsNothing", loan, with(aLoan, { { "payment", "abc" } }),
            "payment mode, 7%, 30 years, amount 150000, payment 0" },
        // The rate before the years, the years before the amount.
        ReaderCase { "RateFirst", loan, with(aLoan, { { "rate", "31" }, { "years", "0" } }),
            "refused rate: Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25) but do "
            "not use \"%\" signs. Please re-enter." },
        ReaderCase { "YearsNoNumber", loan, with(aLoan, { { "years", "x" } }),
            "refused years: The YEARS value must be an integer between 1 and 50, please re-enter." },
        ReaderCase { "PaymentWhenSolvingForTheAmount", loan,
            with(aLoan, { { "solve-for", "amount" }, { "payment", "1" } }),
            "refused payment: MONTHLY PAYMENT must be an integer greater than 1. Do not enter any \"$\" signs or "
            "commas." }),
    caseName);

// The Schedule button's reading of the loan page: as it stands, without checks.
std::string schedule(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::ScheduleLoan>([&] { return calculators::readSchedule(texts, settings); },
        [](const calculators::ScheduleLoan& loan) {
            return number(loan.annualRatePercent) + "%, " + std::to_string(loan.months) + " months, amount "
                + number(loan.loanAmount);
        });
}

INSTANTIATE_TEST_SUITE_P(Schedule, Readers,
    testing::Values(ReaderCase { "AsItStands", schedule, aLoan, "7%, 360 months, amount 150000" },
        ReaderCase { "OutsideTheLoanPagesChecks", schedule,
            with(aLoan, { { "rate", "0.5" }, { "years", "75" }, { "amount", "1" } }), "0.5%, 900 months, amount 1" },
        ReaderCase { "TextThatIsNoNumber", schedule, with(aLoan, { { "amount", "150,000" } }),
            "error: '150,000' is not a valid floating point value" },
        ReaderCase {
            "MonthsBeyond32Bits", schedule, with(aLoan, { { "years", "200000000" } }), "error: Integer overflow" }),
    caseName);

// The prepayment window's fields with the loan page's.
std::string prepayment(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::PrepaymentInput>([&] { return calculators::readPrepayment(texts, settings); },
        [](const calculators::PrepaymentInput& input) {
            return number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, amount "
                + number(input.loanAmount) + ", extra " + number(input.extraPayment) + " from month "
                + std::to_string(input.startMonth);
        });
}

const FieldTexts aPrepayment = with(aLoan, { { "extra", "100" }, { "from", "13" } });

INSTANTIATE_TEST_SUITE_P(Prepayment, Readers,
    testing::Values(
        ReaderCase { "Read", prepayment, aPrepayment, "7%, 30 years, amount 150000, extra 100 from month 13" },
        // The window's own fields are checked before the loan page's are read.
        ReaderCase { "ExtraBeforeTheLoan", prepayment, with(aPrepayment, { { "extra", "0.5" }, { "rate", "x" } }),
            "refused extra: The MONTHLY PAYMENT must be a number greater than 1. Please re-enter." },
        ReaderCase { "StartingMonthBelowOne", prepayment, with(aPrepayment, { { "from", "0" } }),
            "refused from: The STARTING MONTH must be a number greater than 1. Please re-enter." },
        ReaderCase { "LoanReadWithoutChecks", prepayment, with(aPrepayment, { { "rate", "0.5" } }),
            "0.5%, 30 years, amount 150000, extra 100 from month 13" },
        ReaderCase { "LoanTextThatIsNoNumber", prepayment, with(aPrepayment, { { "years", "" } }),
            "error: '' is not a valid integer value" },
        // It passes its check as a decimal number, then is read as a whole one.
        ReaderCase { "StartingMonthWithAFraction", prepayment, with(aPrepayment, { { "from", "13.5" } }),
            "error: '13.5' is not a valid integer value" }),
    caseName);

// The matrix's fields, and what it opens with for a loan page's texts.
std::string matrix(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::MatrixEntries>([&] { return calculators::readMatrix(texts, settings); },
        [](const calculators::MatrixEntries& entries) {
            return entries.startLoan + " by " + entries.loanIncrement + ", " + entries.startRate + "% by "
                + entries.rateIncrement + ", terms " + std::to_string(entries.term1) + " and "
                + std::to_string(entries.term2) + ", " + std::to_string(entries.amountCount) + " amounts, "
                + std::to_string(entries.rateCount) + " rates";
        });
}

std::string opening(const FieldTexts& loanTexts, const regional::RegionalSettings& settings)
{
    const calculators::MatrixOpening opened = calculators::matrixOpening(loanTexts, settings);
    std::string described = matrix(opened.texts, settings);
    if (opened.error)
        described += "; opening stopped: " + *opened.error;
    return described;
}

const FieldTexts aMatrix { { "amount", "100000" }, { "increment", "10000" }, { "rate", "7" }, { "rate-step", ".250" },
    { "years", "15" }, { "years2", "30" }, { "amounts", "4" }, { "rates", "3" } };

INSTANTIATE_TEST_SUITE_P(Matrix, Readers,
    testing::Values(
        ReaderCase { "Read", matrix, aMatrix, "100000 by 10000, 7% by .250, terms 15 and 30, 4 amounts, 3 rates" },
        ReaderCase { "AmountWithADecimalPoint", matrix, with(aMatrix, { { "amount", "1000.0" } }),
            "refused amount: STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. "
            "Please re-enter." },
        ReaderCase { "RateThatIsNoNumber", matrix, with(aMatrix, { { "rate", "x" } }),
            "refused rate: Starting Interest Rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = "
            "8.25). Please re-enter." },
        ReaderCase { "RateStepOffTheScrollBar", matrix, with(aMatrix, { { "rate-step", "0.3" } }),
            "refused rate-step: The rate step is 0.125 to 2 points, in steps of 0.125." },
        // A term typed into its box is taken as typed; a box left without a number is refused.
        ReaderCase { "TermAsTyped", matrix, with(aMatrix, { { "years", "99" } }),
            "100000 by 10000, 7% by .250, terms 99 and 30, 4 amounts, 3 rates" },
        ReaderCase { "TermLeftEmpty", matrix, with(aMatrix, { { "years2", "" } }),
            "refused years2: A loan term is a whole number of years." },
        ReaderCase { "FiveAmounts", matrix, with(aMatrix, { { "amounts", "5" } }),
            "refused amounts: The matrix shows 1 to 4 loan amounts." },
        ReaderCase { "OpensOnTheLoan", opening, { { "amount", "150000" }, { "years", "30" }, { "rate", "7" } },
            "150000 by 15000, 7% by .250, terms 30 and 30, 4 amounts, 3 rates" },
        // What is not a whole number stops the opening where the window stops; the matrix's own reader refuses it.
        ReaderCase { "OpeningStopsAtAnAmountWithCents", opening,
            { { "amount", "150000.50" }, { "years", "30" }, { "rate", "7" } },
            "refused amount: STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. "
            "Please re-enter.; opening stopped: '150000.50' is not a valid integer value" },
        ReaderCase { "OpeningStopsAtTheTerm", opening, { { "amount", "150000" }, { "years", "x" }, { "rate", "7" } },
            "refused rate: Starting Interest Rate must be between 1 and 30, decimal numbers OK.; opening stopped: 'x' "
            "is not a valid integer value" }),
    caseName);

std::string refinance(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::RefinanceInput>([&] { return calculators::readRefinance(texts, settings); },
        [](const calculators::RefinanceInput& input) {
            return "payment " + number(input.currentPayment) + ", principal " + number(input.principal) + ", "
                + std::to_string(input.termYears) + " years, " + number(input.annualRatePercent) + "%, costs "
                + number(input.closingCosts) + ", points " + number(input.pointsPercent);
        });
}

const FieldTexts aRefinance { { "payment", "1200.5" }, { "principal", "150000" }, { "years", "15" }, { "rate", "6.25" },
    { "closing-costs", "900" }, { "points", "1.5" } };

INSTANTIATE_TEST_SUITE_P(Refinance, Readers,
    testing::Values(ReaderCase { "Read", refinance, aRefinance,
                        "payment 1200.5, principal 150000, 15 years, 6.25%, costs 900, points 1.5" },
        // The term is read as a decimal number first, so that "5." fails too.
        ReaderCase { "TermWithAPoint", refinance, with(aRefinance, { { "years", "5." }, { "rate", "99" } }),
            "refused years: " + std::string(calculators::checks::refinanceTermMessage) },
        ReaderCase { "PointsAboveTen", refinance, with(aRefinance, { { "points", "10.5" } }),
            "refused points: Closing POINTS must be between 0 and 10, decimal numbers OK (1,1.25, etc.). Please "
            "re-enter." }),
    caseName);

std::string savings(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::SavingsGrowthInput>([&] { return calculators::readSavingsGrowth(texts, settings); },
        [](const calculators::SavingsGrowthInput& input) {
            const char* const every[] = { "year", "month", "week" };
            return number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, "
                + number(input.contribution) + " every " + every[static_cast<int>(input.frequency)] + " on "
                + number(input.currentAmount);
        });
}

const FieldTexts someSavings { { "rate", "7" }, { "years", "10" } };

INSTANTIATE_TEST_SUITE_P(SavingsGrowth, Readers,
    testing::Values(ReaderCase { "EmptyAmountsAreNothing", savings, someSavings, "7%, 10 years, 0 every year on 0" },
        ReaderCase { "Monthly", savings,
            with(someSavings, { { "every", "month" }, { "contribution", "100" }, { "current", "5" } }),
            "7%, 10 years, 100 every month on 5" },
        ReaderCase { "YearsAboveTwoHundred", savings, with(someSavings, { { "years", "201" } }),
            "refused years: Years must be between 1 and 200. This is how long the money will accumulate and grow." },
        ReaderCase { "EveryDay", savings, with(someSavings, { { "every", "day" } }),
            "refused every: The contribution is added every year, month or week." },
        // The amounts are not checked: text that is no number is the conversion error.
        ReaderCase { "ContributionWithADecimalComma", savings, with(someSavings, { { "contribution", "1,5" } }),
            "error: '1,5' is not a valid floating point value" }),
    caseName);

std::string requiredReturn(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::RequiredReturnInput>([&] { return calculators::readRequiredReturn(texts, settings); },
        [](const calculators::RequiredReturnInput& input) {
            return number(input.currentValue) + " to " + number(input.desiredValue) + " in "
                + std::to_string(input.years) + " years";
        });
}

INSTANTIATE_TEST_SUITE_P(RequiredReturn, Readers,
    testing::Values(ReaderCase { "Read", requiredReturn,
                        { { "current", "100" }, { "desired", "200" }, { "years", "10" } }, "100 to 200 in 10 years" },
        // The desired value is checked against the current one as read, before the years.
        ReaderCase { "DesiredNotAboveTheCurrent", requiredReturn,
            { { "current", "100" }, { "desired", "100" }, { "years", "x" } },
            "refused desired: Desired Value must be larger than Current Value, enter with no $ or commas." }),
    caseName);

std::string collegeCost(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::CollegeCostInput>([&] { return calculators::readCollegeCost(texts, settings); },
        [](const calculators::CollegeCostInput& input) {
            return "age " + std::to_string(input.childAge) + " to " + std::to_string(input.startingAge) + ", "
                + number(input.annualCost) + " for " + std::to_string(input.yearsOfCollege) + " years rising "
                + number(input.increasePercent) + "%";
        });
}

std::string collegeFund(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::CollegeFund>([&] { return calculators::readCollegeFund(texts, settings); },
        [](const calculators::CollegeFund& fund) {
            return number(fund.currentValue) + " growing " + number(fund.growthPercent) + "%";
        });
}

INSTANTIATE_TEST_SUITE_P(College, Readers,
    testing::Values(
        ReaderCase { "Cost", collegeCost,
            { { "age", "5" }, { "start-age", "18" }, { "cost", "7000" }, { "years", "4" }, { "increase", "5" } },
            "age 5 to 18, 7000 for 4 years rising 5%" },
        ReaderCase { "StartNotAfterTheAge", collegeCost, { { "age", "18" }, { "start-age", "18" } },
            "refused start-age: Starting College Age must be greater than child's current age (must be an "
            "integer)." },
        // Checked as more than 1 by its message, refused below 2.
        ReaderCase { "CostOfOne", collegeCost, { { "age", "5" }, { "start-age", "18" }, { "cost", "1.5" } },
            "refused cost: Enter annual cost of college. Must be greater than 1, can include decimals but no commas "
            "or $." },
        ReaderCase { "Fund", collegeFund, { { "fund", "0" }, { "growth", "7" } }, "0 growing 7%" },
        ReaderCase { "FundLeftEmpty", collegeFund, { { "growth", "7" } },
            "refused fund: You must enter a valid amount in the Education Fund field. Do not use $ or commas. If you "
            "do not have a fund, enter 0." }),
    caseName);

std::string retirementNeed(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::RetirementInput>([&] { return calculators::readRetirementNeed(texts, settings); },
        [](const calculators::RetirementInput& input) {
            return "age " + std::to_string(input.currentAge) + " to " + std::to_string(input.retirementAge) + ", "
                + number(input.monthlyIncome) + " a month for " + std::to_string(input.retirementYears)
                + " years, growth " + number(input.growthPercent) + "%, inflation " + number(input.inflationPercent)
                + "%";
        });
}

std::string retirementAssets(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::RetirementAssets>([&] { return calculators::readRetirementAssets(texts, settings); },
        [](const calculators::RetirementAssets& assets) { return "assets " + number(assets.currentAssets); });
}

INSTANTIATE_TEST_SUITE_P(Retirement, Readers,
    testing::Values(ReaderCase { "Need", retirementNeed,
                        { { "age", "35" }, { "retire-at", "65" }, { "income", "3000" }, { "years", "25" },
                            { "growth", "7" }, { "inflation", "3" } },
                        "age 35 to 65, 3000 a month for 25 years, growth 7%, inflation 3%" },
        // Retiring at the current age is allowed; the income is checked next.
        ReaderCase { "RetiringNowThenNoIncome", retirementNeed, { { "age", "40" }, { "retire-at", "40" } },
            "refused income: You must enter a desired monthly income (ex: 2500 or 5000) as a number, without $ or "
            "commas." },
        ReaderCase { "Assets", retirementAssets, { { "assets", "50000.5" } }, "assets 50000.5" },
        ReaderCase { "NegativeAssets", retirementAssets, { { "assets", "-1" } },
            "refused assets: You must enter a valid number value for your current retirement assets, without $ or "
            "commas. If you have nothing, enter 0." }),
    caseName);

// The planner: its fields by name, the date year-month-day, the one-time extras as rows of "payment" and "amount".
std::string planner(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::ExtraPaymentsInput>([&] { return calculators::readExtraPayments(texts, settings); },
        [](const calculators::ExtraPaymentsInput& input) {
            std::ostringstream out;
            out << input.rateTenThousandths << "/10000%, " << input.years << " years, " << input.amount
                << " cents from " << regional::isoDateText(input.firstPaymentDate) << "; monthly " << input.monthlyExtra
                << " from " << input.monthlyFrom << " through " << input.monthlyThrough << "; yearly "
                << input.yearlyExtra << " in month " << input.yearlyMonth << " from " << input.yearlyFromYear
                << "; once";
            for (const calculators::OneTimeExtra& extra : input.oneTimeExtras)
                out << " " << extra.paymentNumber << "=" << extra.amount;
            out << (input.everyTwoWeeks ? "; every two weeks" : "");
            return out.str();
        });
}

using OneTimeRows = std::vector<std::pair<std::string, std::string>>;

FieldTexts aPlan(std::initializer_list<std::pair<std::string_view, std::string>> changes = {},
    const OneTimeRows& once = { { "24", "1000.01" }, { "", "" }, { "24", "5" } })
{
    FieldTexts texts = with({ { "rate", "7.125" }, { "years", "30" }, { "amount", "200000.50" },
                                { "first-payment", "2027-01-31" }, { "extra", "100" }, { "from", "13" } },
        changes);
    for (const auto& [payment, amount] : once)
        texts.addRow("once", { { "payment", payment }, { "amount", amount } });
    return texts;
}

std::string moneyRule(const std::string& what, const char* separator = ".")
{
    return "The " + what + " must be 0 or more, at most 1000000000 with at most 2 decimals after a \"" + separator
        + "\", entered without $ or thousands separators.";
}

const std::string planRateRule = "refused rate: The interest rate must be between 0 and 30 percent, with at most 4 "
                                 "decimals after a \".\" and without a percent sign.";

INSTANTIATE_TEST_SUITE_P(ExtraPayments, Readers,
    testing::Values(
        // Empty extras are none, an empty month of the yearly extra is the first payment's, an empty row is skipped,
        // two on one payment stay two.
        ReaderCase { "Read", planner, aPlan({ { "every-two-weeks", "yes" } }),
            "71250/10000%, 30 years, 20000050 cents from 2027-01-31; monthly 10000 from 13 through 0; yearly 0 in "
            "month 1 from 2027; once 24=100001 24=500; every two weeks" },
        ReaderCase { "ReadInCommaDecimals", planner,
            aPlan({ { "rate", "7,125" }, { "amount", "200000,50" }, { "yearly", "1000,5" }, { "yearly-month", "4" } },
                {}),
            "71250/10000%, 30 years, 20000050 cents from 2027-01-31; monthly 10000 from 13 through 0; yearly 100050 in "
            "month 4 from 2027; once",
            true },
        ReaderCase { "RateWithFiveDecimals", planner, aPlan({ { "rate", "7.12345" } }), planRateRule },
        ReaderCase { "RateAboveThirtyBeforeBadYears", planner, aPlan({ { "rate", "30.0001" }, { "years", "x" } }),
            planRateRule },
        ReaderCase { "RateWithAPointUnderCommaDecimals", planner, aPlan({ { "rate", "6.5" } }),
            "refused rate: The interest rate must be between 0 and 30 percent, with at most 4 decimals after a \",\" "
            "and without a percent sign.",
            true },
        ReaderCase { "YearsNotWhole", planner, aPlan({ { "years", "2.5" } }),
            "refused years: The number of years must be a whole number between 1 and 50." },
        ReaderCase { "AmountWithThreeDecimals", planner, aPlan({ { "amount", "1.005" } }),
            "refused amount: The loan amount must be between 0.01 and 1000000000 with at most 2 decimals after a "
            "\".\", entered without $ or thousands separators." },
        ReaderCase { "AmountAboveTheLimit", planner, aPlan({ { "amount", "1000000000.01" } }),
            "refused amount: The loan amount must be between 0.01 and 1000000000 with at most 2 decimals after a "
            "\".\", entered without $ or thousands separators." },
        ReaderCase { "DateNotYearMonthDay", planner, aPlan({ { "first-payment", "1/31/2027" } }),
            "refused first-payment: The first payment date is written as year-month-day, such as 2027-01-01." },
        ReaderCase { "DateNotInTheCalendar", planner, aPlan({ { "first-payment", "2027-02-30" } }),
            "refused first-payment: The first payment date must be a day of the calendar in the years 1900 to "
            "2199." },
        ReaderCase { "DateOutsideTheYears", planner, aPlan({ { "first-payment", "2200-01-01" } }),
            "refused first-payment: The first payment date must be a day of the calendar in the years 1900 to "
            "2199." },
        ReaderCase { "MonthlyExtraWithSeparators", planner, aPlan({ { "extra", "1,000" } }),
            "refused extra: " + moneyRule("monthly extra payment") },
        ReaderCase { "MonthlyFromAfterTheTerm", planner, aPlan({ { "from", "361" } }),
            "refused from: The first payment with the monthly extra must be a whole number from 1 to 360." },
        ReaderCase { "MonthlyThroughBeforeFrom", planner, aPlan({ { "through", "12" } }),
            "refused through: The last payment with the monthly extra must be empty (to the end) or a whole number "
            "from 13 to 360." },
        ReaderCase { "YearlyExtraNegative", planner, aPlan({ { "yearly", "-1" } }),
            "refused yearly: " + moneyRule("yearly extra payment") },
        ReaderCase { "MonthOfTheYearlyExtra", planner, aPlan({ { "yearly-month", "13" } }),
            "refused yearly-month: The month of the yearly extra payment must be from 1 to 12." },
        ReaderCase { "MonthOfTheYearlyExtraNoNumber", planner, aPlan({ { "yearly-month", "May" } }),
            "refused yearly-month: The month of the yearly extra payment must be from 1 to 12." },
        ReaderCase { "YearlyFromBeforeTheFirstPayment", planner, aPlan({ { "yearly-from", "2026" } }),
            "refused yearly-from: The first year of the yearly extra payment must be a whole number from 2027 to "
            "2056." },
        ReaderCase { "EveryTwoWeeksMaybe", planner, aPlan({ { "every-two-weeks", "maybe" } }),
            "refused every-two-weeks: Half payments every two weeks are chosen with yes or no." },
        // A failure in a row names its cell: the row, then the column, the payment number 0 and the amount 1.
        ReaderCase { "OneTimeRowWithoutPaymentNumber", planner,
            aPlan({}, { { "24", "1000.01" }, { "", "" }, { "", "5" } }),
            "refused once[2,0]: The payment number in row 3 of the one-time extra payments must be a whole number "
            "from 1 to 360." },
        ReaderCase { "OneTimeAmountNotANumber", planner, aPlan({}, { { "24", "1e400" } }),
            "refused once[0,1]: " + moneyRule("amount in row 1 of the one-time extra payments") },
        ReaderCase { "OneTimeRowWithoutAmount", planner, aPlan({}, { { "12", "5" }, { "13", " " } }),
            "refused once[1,1]: " + moneyRule("amount in row 2 of the one-time extra payments") },
        ReaderCase { "TooManyRowsPointAtTheFirst", planner, aPlan({}, OneTimeRows(61, { "12", "1" })),
            "refused once[0,0]: There can be at most 60 one-time extra payments." }),
    caseName);

// The comparison: the purchase by name, each offer a row of its cells by key.
std::string offers(const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    return outcome<calculators::LoanOffersInput>([&] { return calculators::readLoanOffers(texts, settings); },
        [](const calculators::LoanOffersInput& input) {
            std::ostringstream out;
            out << input.price << " less " << input.down << " cents, tax " << input.yearlyTax << ", insurance "
                << input.yearlyInsurance << ", dues " << input.monthlyDues << ", kept " << input.yearsKept
                << " years from " << regional::isoDateText(input.firstPaymentDate) << ":";
            for (const calculators::LoanOffer& offer : input.offers) {
                out << " " << offer.position << " '" << offer.name << "' " << offer.rateTenThousandths << "/10000% "
                    << offer.years << " years, points " << offer.pointsThousandths << "/1000, fees " << offer.lenderFees
                    << ", closing " << offer.closingCosts << ", credit " << offer.lenderCredit << ", mi "
                    << offer.insuranceThousandths << "/1000";
                if (const auto& terms = offer.adjustable)
                    out << ", adjustable after " << terms->fixedYears << " years every " << terms->everyMonths
                        << " months, index " << terms->indexTenThousandths << " margin " << terms->marginTenThousandths
                        << " lowest " << terms->lowestTenThousandths << "/10000%, caps " << terms->firstCapThousandths
                        << " " << terms->laterCapThousandths << " " << terms->lifetimeCapThousandths << "/1000";
                out << ";";
            }
            return out.str();
        });
}

using Cells = std::initializer_list<std::pair<std::string_view, std::string>>;

// The purchase with three offers, the second without a rate (left out, its term never read), changed by the
// changes, and one offer's cells by the cell changes.
FieldTexts someOffers(Cells changes = {}, std::size_t offer = 0, Cells cells = {})
{
    FieldTexts texts
        = with({ { "price", "400000" }, { "down", "40000.50" }, { "tax", "4800" }, { "first-payment", "2027-01-31" } },
            changes);
    std::vector<FieldTexts::Row> rows = {
        { { "name", "  First Bank " }, { "rate", "6.5" }, { "years", "30" }, { "points", "1.25" }, { "fees", "1200" },
            { "closing", "3000" }, { "mi", "0.5" } },
        { { "years", "x" } },
        { { "rate", "6.125" }, { "years", "15" }, { "credit", "500" } },
    };
    for (const auto& [key, text] : cells)
        rows[offer].insert_or_assign(std::string(key), text);
    for (FieldTexts::Row& row : rows)
        texts.addRow("offer", std::move(row));
    return texts;
}

FieldTexts oneOfferWithoutARate()
{
    FieldTexts texts { { "price", "400000" }, { "down", "0" }, { "first-payment", "2027-01-31" } };
    texts.addRow("offer", { { "name", "Bank" }, { "rate", " " } });
    return texts;
}

FieldTexts fiveOffers()
{
    FieldTexts texts = someOffers({}, 1, { { "rate", "7" }, { "years", "30" } });
    texts.addRow("offer", { { "rate", "6" }, { "years", "30" } });
    texts.addRow("offer", { { "rate", "6" }, { "years", "30" } });
    return texts;
}

// One offer of 6.5 % in comma decimals, as typed in Germany.
FieldTexts oneOffer(Cells changes)
{
    FieldTexts texts = with({ { "price", "400000" }, { "first-payment", "2027-01-31" } }, changes);
    texts.addRow("offer", { { "rate", "6,5" }, { "years", "30" } });
    return texts;
}

FieldTexts fourEmptyOffersAndOneMore()
{
    FieldTexts texts { { "price", "400000" }, { "down", "0" }, { "first-payment", "2027-01-31" } };
    for (int empty = 0; empty < 4; ++empty)
        texts.addRow("offer", { { "rate", "" }, { "years", "30" } });
    texts.addRow("offer", { { "rate", "6" }, { "years", "30" } });
    return texts;
}

std::string downRule(const char* separator)
{
    return std::string("The down payment must be an amount from 0 to 1000000000 with at most 2 decimals after a \"")
        + separator + "\", entered without $ or thousands separators, or a share of the home price below 100 %, "
        + "such as 10% or 12" + separator + "5 %.";
}

std::string offerRule(const char* what, const char* offer, const char* limit, const char* separator = ".")
{
    return std::string("The ") + what + " of " + offer + " must be between 0 and " + limit + ", with at most 3 "
        + "decimals after a \"" + separator + "\" and without a percent sign.";
}

INSTANTIATE_TEST_SUITE_P(LoanOffers, Readers,
    testing::Values(
        // Blanks are 0 and the years kept 5; a name is trimmed, a blank one is its position's; an offer without a
        // rate is left out.
        ReaderCase { "Read", offers, someOffers(),
            "40000000 less 4000050 cents, tax 480000, insurance 0, dues 0, kept 5 years from 2027-01-31: 0 'First "
            "Bank' 65000/10000% 30 years, points 1250/1000, fees 120000, closing 300000, credit 0, mi 500/1000; 2 "
            "'Offer C' 61250/10000% 15 years, points 0/1000, fees 0, closing 0, credit 50000, mi 0/1000;" },
        ReaderCase { "PriceOfZeroBeforeABadDown", offers, someOffers({ { "price", "0" }, { "down", "x" } }),
            "refused price: The home price must be between 0.01 and 1000000000 with at most 2 decimals after a "
            "\".\", entered without $ or thousands separators." },
        ReaderCase {
            "DownWithThreeDecimals", offers, someOffers({ { "down", "1.005" } }), "refused down: " + downRule(".") },
        // A share of the price is that share to the nearest cent, with or without a blank before the sign.
        ReaderCase { "DownAsAShare", offers, someOffers({ { "down", " 10%" }, { "price", "400000.05" } }),
            "40000005 less 4000001 cents, tax 480000, insurance 0, dues 0, kept 5 years from 2027-01-31: 0 'First "
            "Bank' 65000/10000% 30 years, points 1250/1000, fees 120000, closing 300000, credit 0, mi 500/1000; 2 "
            "'Offer C' 61250/10000% 15 years, points 0/1000, fees 0, closing 0, credit 50000, mi 0/1000;" },
        ReaderCase { "DownAsAShareWithADecimalComma", offers, oneOffer({ { "down", "12,5 %" } }),
            "40000000 less 5000000 cents, tax 0, insurance 0, dues 0, kept 5 years from 2027-01-31: 0 'Offer A' "
            "65000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, mi 0/1000;",
            true },
        ReaderCase {
            "DownOfAHundredPercent", offers, someOffers({ { "down", "100%" } }), "refused down: " + downRule(".") },
        ReaderCase {
            "DownOfAPercentSignAlone", offers, someOffers({ { "down", "%" } }), "refused down: " + downRule(".") },
        ReaderCase { "DownOfTheWholePrice", offers, someOffers({ { "down", "400000" } }),
            "refused down: The down payment must be less than the home price of $400,000.00." },
        ReaderCase { "TaxWithThousandsSeparators", offers, someOffers({ { "tax", "4,800" } }),
            "refused tax: " + moneyRule("yearly property tax") },
        ReaderCase { "KeptLongerThanFiftyYears", offers, someOffers({ { "keep", "51" } }),
            "refused keep: The years you keep the loan must be a whole number between 1 and 50." },
        ReaderCase { "DateNotYearMonthDay", offers, someOffers({ { "first-payment", "2027-1" } }),
            "refused first-payment: The first payment date is written as year-month-day, such as 2027-01-01." },
        ReaderCase { "FirstPaymentOnFebruary30", offers, someOffers({ { "first-payment", "2027-02-30" } }),
            "refused first-payment: The first payment date must be a day of the calendar in the years 1900 to "
            "2199." },
        // A failure in an offer names its cell: the offer's position and the key's column in offerKeys.
        ReaderCase { "NameOfThirtyOneCharacters", offers,
            someOffers({}, 2, { { "name", "Caisse d’épargne de la Côte 123" } }),
            "refused offer[2,0]: The name of Offer C must be at most 30 characters, without tabs or line breaks." },
        ReaderCase { "RateWithFiveDecimalsNamesTheOffer", offers, someOffers({}, 2, { { "rate", "6.12345" } }),
            "refused offer[2,1]: The rate of Offer C must be between 0 and 30 percent, with at most 4 decimals after "
            "a \".\" and without a percent sign." },
        ReaderCase { "TermLeftEmpty", offers, someOffers({}, 2, { { "years", "" } }),
            "refused offer[2,2]: The term of Offer C must be a whole number of years between 1 and 50." },
        ReaderCase { "PointsAboveTenPercent", offers, someOffers({}, 0, { { "points", "10.001" } }),
            "refused offer[0,3]: " + offerRule("points", "First Bank", "10 percent of the loan") },
        ReaderCase { "PointsWithAPointUnderCommaDecimals", offers,
            someOffers({ { "down", "40000,50" } }, 0, { { "rate", "6,5" } }),
            "refused offer[0,3]: " + offerRule("points", "First Bank", "10 percent of the loan", ","), true },
        ReaderCase { "FeesWithACurrencySymbol", offers, someOffers({}, 2, { { "fees", "$1200" } }),
            "refused offer[2,4]: " + moneyRule("lender fees of Offer C") },
        ReaderCase { "CreditWithThreeDecimals", offers, someOffers({}, 2, { { "credit", "0.001" } }),
            "refused offer[2,6]: " + moneyRule("lender credit of Offer C") },
        ReaderCase { "InsuranceAboveFivePercent", offers, someOffers({}, 0, { { "mi", "5.001" } }),
            "refused offer[0,7]: " + offerRule("mortgage insurance", "First Bank", "5 percent of the loan a year") },
        // Points of 1.25 % are 4,499.99; with fees that leave an amount financed of 0.00 the offer is refused.
        ReaderCase { "NothingLeftFinanced", offers, someOffers({}, 0, { { "fees", "355499.51" } }),
            "refused offer[0,4]: The points and lender fees of First Bank less its lender credit must be less than "
            "the loan amount of $359,999.50." },
        ReaderCase { "NoOfferWithARate", offers, oneOfferWithoutARate(),
            "refused offer[0,1]: Enter the rate of at least one offer." },
        ReaderCase { "AFifthOffer", offers, fiveOffers(), "refused offer[4,1]: There can be at most 4 offers." },
        // Empty offers count: a fifth row is refused whatever it holds, so that names go by the place among four.
        ReaderCase { "AFifthOfferAfterFourEmptyOnes", offers, fourEmptyOffersAndOneMore(),
            "refused offer[4,1]: There can be at most 4 offers." }),
    caseName);

// A purchase with a fixed offer and an adjustable one of 6.5 %, fixed 5 years then every 12 months, index 4.5 %,
// margin 2.75 %, caps 2/2/5, its lowest rate left out; the cells of the offer in that row changed.
FieldTexts adjustableOffers(Cells cells, std::size_t offer = 1)
{
    FieldTexts texts { { "price", "400000" }, { "down", "80000" }, { "first-payment", "2027-01-01" } };
    std::vector<FieldTexts::Row> rows = {
        { { "name", "Fixed Bank" }, { "rate", "7" }, { "years", "30" } },
        { { "name", "ARM Bank" }, { "rate", "6.5" }, { "years", "30" }, { "adjustable", "yes" }, { "fixed-years", "5" },
            { "every", "12" }, { "index", "4.5" }, { "margin", "2.75" }, { "first-cap", "2" }, { "later-cap", "2" },
            { "lifetime-cap", "5" } },
    };
    for (const auto& [key, text] : cells)
        rows[offer].insert_or_assign(std::string(key), text);
    for (FieldTexts::Row& row : rows)
        texts.addRow("offer", std::move(row));
    return texts;
}

// The fixed offer as read, before the adjustable one.
const std::string fixedBank = "40000000 less 8000000 cents, tax 0, insurance 0, dues 0, kept 5 years from 2027-01-01: "
                              "0 'Fixed Bank' 70000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, "
                              "mi 0/1000; ";

std::string percentRule(const char* what, const char* limit, const char* separator = ".")
{
    return std::string("The ") + what + " of ARM Bank must be between 0 and " + limit + ", with at most 4 decimals "
        + "after a \"" + separator + "\" and without a percent sign.";
}

std::string capRule(const char* what)
{
    return std::string("The ") + what + " of ARM Bank must be between 0 and 20 percentage points, with at most 3 "
        + "decimals after a \".\" and without a percent sign.";
}

std::string termOfAFixedRate(const char* term)
{
    return std::string("Fixed Bank has a fixed rate, which has no ") + term
        + ": leave it out, or make the rate adjustable (adjustable=yes).";
}

INSTANTIATE_TEST_SUITE_P(AdjustableOffers, Readers,
    testing::Values(
        // The lowest rate left out is the margin, or the initial rate where the margin is above it.
        ReaderCase { "Read", offers, adjustableOffers({}),
            fixedBank
                + "1 'ARM Bank' 65000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, mi 0/1000, "
                  "adjustable after 5 years every 12 months, index 45000 margin 27500 lowest 27500/10000%, caps 2000 "
                  "2000 5000/1000;" },
        ReaderCase { "LowestLeftOutUnderAMarginAboveTheRate", offers, adjustableOffers({ { "margin", "7" } }),
            fixedBank
                + "1 'ARM Bank' 65000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, mi 0/1000, "
                  "adjustable after 5 years every 12 months, index 45000 margin 70000 lowest 65000/10000%, caps 2000 "
                  "2000 5000/1000;" },
        ReaderCase { "InCommaDecimals", offers,
            adjustableOffers({ { "rate", "6,5" }, { "adjustable", " yes " }, { "every", "6" }, { "index", "4,5" },
                { "margin", "2,75" }, { "first-cap", "1,5" }, { "later-cap", "0,125" }, { "lowest", "3,25" } }),
            fixedBank
                + "1 'ARM Bank' 65000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, mi 0/1000, "
                  "adjustable after 5 years every 6 months, index 45000 margin 27500 lowest 32500/10000%, caps 1500 "
                  "125 5000/1000;",
            true },
        // Adjustable "no" is a fixed rate, as when it is left out.
        ReaderCase { "NoIsAFixedRate", offers, adjustableOffers({ { "adjustable", "no" } }, 0),
            fixedBank
                + "1 'ARM Bank' 65000/10000% 30 years, points 0/1000, fees 0, closing 0, credit 0, mi 0/1000, "
                  "adjustable after 5 years every 12 months, index 45000 margin 27500 lowest 27500/10000%, caps 2000 "
                  "2000 5000/1000;" },
        // Each refusal names the offer and the cell of the term.
        ReaderCase { "NeitherYesNorNo", offers, adjustableOffers({ { "adjustable", "Yes" } }),
            "refused offer[1,8]: Whether ARM Bank has an adjustable rate must be yes or no." },
        ReaderCase { "FixedYearsAsLongAsTheTerm", offers,
            adjustableOffers({ { "years", "10" }, { "fixed-years", "10" } }),
            "refused offer[1,9]: The fixed years of ARM Bank must be a whole number from 1 to 9, fewer than its "
            "term." },
        ReaderCase { "TermOfOneYear", offers, adjustableOffers({ { "years", "1" }, { "fixed-years", "1" } }),
            "refused offer[1,9]: The fixed years of ARM Bank must be fewer than its term, so an adjustable rate needs "
            "a term of 2 years or more." },
        ReaderCase { "ChangesFurtherApartThanSixtyMonths", offers, adjustableOffers({ { "every", "61" } }),
            "refused offer[1,10]: The months between changes of the rate of ARM Bank must be a whole number from 1 to "
            "60." },
        ReaderCase { "IndexAboveTwentyPercent", offers, adjustableOffers({ { "index", "20.0001" } }),
            "refused offer[1,11]: " + percentRule("index today", "20 percent") },
        ReaderCase { "MarginLeftOut", offers, adjustableOffers({ { "margin", " " } }),
            "refused offer[1,12]: " + percentRule("margin", "20 percent") },
        ReaderCase { "FirstCapWithFourDecimals", offers, adjustableOffers({ { "first-cap", "1.0005" } }),
            "refused offer[1,13]: " + capRule("first change cap") },
        ReaderCase { "LifetimeCapAboveTwentyPoints", offers, adjustableOffers({ { "lifetime-cap", "20.001" } }),
            "refused offer[1,15]: " + capRule("lifetime cap") },
        ReaderCase { "LowestAboveTheInitialRateInCommaDecimals", offers,
            adjustableOffers({ { "rate", "6,5" }, { "index", "4,5" }, { "margin", "2,75" }, { "lowest", "6,75" } }),
            "refused offer[1,16]: " + percentRule("lowest rate", "its initial rate of 6,5 percent", ","), true },
        // A fixed rate takes no term of an adjustable one, whether "adjustable" is left out or says no.
        ReaderCase { "TermOfAFixedRate", offers, adjustableOffers({ { "every", "12" } }, 0),
            "refused offer[0,10]: " + termOfAFixedRate("months between changes") },
        ReaderCase { "TermOfARateSaidNotAdjustable", offers,
            adjustableOffers({ { "adjustable", "no" }, { "lowest", "3" } }, 0),
            "refused offer[0,16]: " + termOfAFixedRate("lowest rate") }),
    caseName);

// What the command line's help says a planner field accepts is made from the same limits as the reader.
TEST(ExtraPaymentsHelp, AcceptedTextsFollowTheLimits)
{
    EXPECT_EQ(calculators::plannerAcceptedText("rate"), "0 to 30, at most 4 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("amount"), "0.01 to 1000000000, at most 2 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("first-payment"),
        "1900-01-01 to 2199-12-31; the first of next month when left out");
    EXPECT_EQ(
        calculators::plannerAcceptedText("once"), "at most 60, the rows in the order given; two on one payment add up");
}

} // namespace
