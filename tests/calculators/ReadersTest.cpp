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

struct ReaderCase
{
    const char* name;
    std::function<std::string()> outcome;
    std::string expected;
};

void PrintTo(const ReaderCase& c, std::ostream* out)
{
    *out << c.name;
}

class Readers : public testing::TestWithParam<ReaderCase>
{ };

TEST_P(Readers, GiveTheInputOrTheFirstRefusedField)
{
    EXPECT_EQ(GetParam().outcome(), GetParam().expected);
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
std::string loan(const FieldTexts& texts)
{
    return outcome<calculators::LoanInput>([&] { return calculators::readLoan(texts, unitedStatesSettings()); },
        [](const calculators::LoanInput& input) {
            return std::string(input.solveFor == calculators::LoanSolveFor::MonthlyPayment ? "payment" : "amount")
                + " mode, " + number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, amount "
                + number(input.loanAmount) + ", payment " + number(input.monthlyPayment);
        });
}

const FieldTexts aLoan { { "rate", "7" }, { "years", "30" }, { "amount", "150000" }, { "payment", "998" } };

INSTANTIATE_TEST_SUITE_P(Loan, Readers,
    testing::Values(ReaderCase { "PaymentMode", [] { return loan(aLoan); },
                        "payment mode, 7%, 30 years, amount 150000, payment 998" },
        ReaderCase { "AmountMode",
            [] {
                return loan(with(aLoan, { { "solve-for", "amount" } }));
            },
            "amount mode, 7%, 30 years, amount 150000, payment 998" },
        // The figure being solved for is never refused: one its check refuses counts as 0.
        ReaderCase { "SolvedFieldRefusedCountsAsNothing",
            [] {
                return loan(with(aLoan, { { "payment", "abc" } }));
            },
            "payment mode, 7%, 30 years, amount 150000, payment 0" },
        // The rate before the years, the years before the amount.
        ReaderCase { "RateFirst",
            [] {
                return loan(with(aLoan, { { "rate", "31" }, { "years", "0" } }));
            },
            "refused rate: Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25) but do "
            "not use \"%\" signs. Please re-enter." },
        ReaderCase { "YearsNoNumber",
            [] {
                return loan(with(aLoan, { { "years", "x" } }));
            },
            "refused years: The YEARS value must be an integer between 1 and 50, please re-enter." },
        ReaderCase { "PaymentWhenSolvingForTheAmount",
            [] {
                return loan(with(aLoan, { { "solve-for", "amount" }, { "payment", "1" } }));
            },
            "refused payment: MONTHLY PAYMENT must be an integer greater than 1. Do not enter any \"$\" signs or "
            "commas." }),
    caseName);

// The Schedule button's reading of the loan page: as it stands, without checks.
std::string schedule(const FieldTexts& texts)
{
    return outcome<calculators::ScheduleLoan>([&] { return calculators::readSchedule(texts, unitedStatesSettings()); },
        [](const calculators::ScheduleLoan& loan) {
            return number(loan.annualRatePercent) + "%, " + std::to_string(loan.months) + " months, amount "
                + number(loan.loanAmount);
        });
}

INSTANTIATE_TEST_SUITE_P(Schedule, Readers,
    testing::Values(ReaderCase { "AsItStands", [] { return schedule(aLoan); }, "7%, 360 months, amount 150000" },
        ReaderCase { "OutsideTheLoanPagesChecks",
            [] {
                return schedule(with(aLoan, { { "rate", "0.5" }, { "years", "75" }, { "amount", "1" } }));
            },
            "0.5%, 900 months, amount 1" },
        ReaderCase { "TextThatIsNoNumber",
            [] {
                return schedule(with(aLoan, { { "amount", "150,000" } }));
            },
            "error: '150,000' is not a valid floating point value" },
        ReaderCase { "MonthsBeyond32Bits",
            [] {
                return schedule(with(aLoan, { { "years", "200000000" } }));
            },
            "error: Integer overflow" }),
    caseName);

// The prepayment window's fields with the loan page's.
std::string prepayment(const FieldTexts& texts)
{
    return outcome<calculators::PrepaymentInput>(
        [&] { return calculators::readPrepayment(texts, unitedStatesSettings()); },
        [](const calculators::PrepaymentInput& input) {
            return number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, amount "
                + number(input.loanAmount) + ", extra " + number(input.extraPayment) + " from month "
                + std::to_string(input.startMonth);
        });
}

const FieldTexts aPrepayment = with(aLoan, { { "extra", "100" }, { "from", "13" } });

INSTANTIATE_TEST_SUITE_P(Prepayment, Readers,
    testing::Values(ReaderCase { "Read", [] { return prepayment(aPrepayment); },
                        "7%, 30 years, amount 150000, extra 100 from month 13" },
        // The window's own fields are checked before the loan page's are read.
        ReaderCase { "ExtraBeforeTheLoan",
            [] {
                return prepayment(with(aPrepayment, { { "extra", "0.5" }, { "rate", "x" } }));
            },
            "refused extra: The MONTHLY PAYMENT must be a number greater than 1. Please re-enter." },
        ReaderCase { "StartingMonthBelowOne",
            [] {
                return prepayment(with(aPrepayment, { { "from", "0" } }));
            },
            "refused from: The STARTING MONTH must be a number greater than 1. Please re-enter." },
        ReaderCase { "LoanReadWithoutChecks",
            [] {
                return prepayment(with(aPrepayment, { { "rate", "0.5" } }));
            },
            "0.5%, 30 years, amount 150000, extra 100 from month 13" },
        ReaderCase { "LoanTextThatIsNoNumber",
            [] {
                return prepayment(with(aPrepayment, { { "years", "" } }));
            },
            "error: '' is not a valid integer value" },
        // It passes its check as a decimal number, then is read as a whole one.
        ReaderCase { "StartingMonthWithAFraction",
            [] {
                return prepayment(with(aPrepayment, { { "from", "13.5" } }));
            },
            "error: '13.5' is not a valid integer value" }),
    caseName);

// The matrix's fields, and what it opens with for a loan page's texts.
std::string matrix(const FieldTexts& texts)
{
    return outcome<calculators::MatrixEntries>([&] { return calculators::readMatrix(texts, unitedStatesSettings()); },
        [](const calculators::MatrixEntries& entries) {
            return entries.startLoan + " by " + entries.loanIncrement + ", " + entries.startRate + "% by "
                + entries.rateIncrement + ", terms " + std::to_string(entries.term1) + " and "
                + std::to_string(entries.term2) + ", " + std::to_string(entries.amountCount) + " amounts, "
                + std::to_string(entries.rateCount) + " rates";
        });
}

std::string opening(const FieldTexts& loanTexts)
{
    const calculators::MatrixOpening opened = calculators::matrixOpening(loanTexts, unitedStatesSettings());
    std::string described = matrix(opened.texts);
    if (opened.error)
        described += "; opening stopped: " + *opened.error;
    return described;
}

const FieldTexts aMatrix { { "amount", "100000" }, { "increment", "10000" }, { "rate", "7" }, { "rate-step", ".250" },
    { "years", "15" }, { "years2", "30" }, { "amounts", "4" }, { "rates", "3" } };

INSTANTIATE_TEST_SUITE_P(Matrix, Readers,
    testing::Values(ReaderCase { "Read", [] { return matrix(aMatrix); },
                        "100000 by 10000, 7% by .250, terms 15 and 30, 4 amounts, 3 rates" },
        ReaderCase { "AmountWithADecimalPoint",
            [] {
                return matrix(with(aMatrix, { { "amount", "1000.0" } }));
            },
            "refused amount: STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. "
            "Please re-enter." },
        ReaderCase { "RateThatIsNoNumber",
            [] {
                return matrix(with(aMatrix, { { "rate", "x" } }));
            },
            "refused rate: Starting Interest Rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = "
            "8.25). Please re-enter." },
        ReaderCase { "RateStepOffTheScrollBar",
            [] {
                return matrix(with(aMatrix, { { "rate-step", "0.3" } }));
            },
            "refused rate-step: The rate step is 0.125 to 2 points, in steps of 0.125." },
        // A term typed into its box is taken as typed; a box left without a number is refused.
        ReaderCase { "TermAsTyped",
            [] {
                return matrix(with(aMatrix, { { "years", "99" } }));
            },
            "100000 by 10000, 7% by .250, terms 99 and 30, 4 amounts, 3 rates" },
        ReaderCase { "TermLeftEmpty",
            [] {
                return matrix(with(aMatrix, { { "years2", "" } }));
            },
            "refused years2: A loan term is a whole number of years." },
        ReaderCase { "FiveAmounts",
            [] {
                return matrix(with(aMatrix, { { "amounts", "5" } }));
            },
            "refused amounts: The matrix shows 1 to 4 loan amounts." },
        ReaderCase { "OpensOnTheLoan",
            [] {
                return opening({ { "amount", "150000" }, { "years", "30" }, { "rate", "7" } });
            },
            "150000 by 15000, 7% by .250, terms 30 and 30, 4 amounts, 3 rates" },
        // What is not a whole number stops the opening where the window stops; the matrix's own reader refuses it.
        ReaderCase { "OpeningStopsAtAnAmountWithCents",
            [] {
                return opening({ { "amount", "150000.50" }, { "years", "30" }, { "rate", "7" } });
            },
            "refused amount: STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. "
            "Please re-enter.; opening stopped: '150000.50' is not a valid integer value" },
        ReaderCase { "OpeningStopsAtTheTerm",
            [] {
                return opening({ { "amount", "150000" }, { "years", "x" }, { "rate", "7" } });
            },
            "refused rate: Starting Interest Rate must be between 1 and 30, decimal numbers OK.; opening stopped: 'x' "
            "is not a valid integer value" }),
    caseName);

std::string refinance(const FieldTexts& texts)
{
    return outcome<calculators::RefinanceInput>(
        [&] { return calculators::readRefinance(texts, unitedStatesSettings()); },
        [](const calculators::RefinanceInput& input) {
            return "payment " + number(input.currentPayment) + ", principal " + number(input.principal) + ", "
                + std::to_string(input.termYears) + " years, " + number(input.annualRatePercent) + "%, costs "
                + number(input.closingCosts) + ", points " + number(input.pointsPercent);
        });
}

const FieldTexts aRefinance { { "payment", "1200.5" }, { "principal", "150000" }, { "years", "15" }, { "rate", "6.25" },
    { "closing-costs", "900" }, { "points", "1.5" } };

INSTANTIATE_TEST_SUITE_P(Refinance, Readers,
    testing::Values(ReaderCase { "Read", [] { return refinance(aRefinance); },
                        "payment 1200.5, principal 150000, 15 years, 6.25%, costs 900, points 1.5" },
        // The term is read as a decimal number first, so that "5." fails too.
        ReaderCase { "TermWithAPoint",
            [] {
                return refinance(with(aRefinance, { { "years", "5." }, { "rate", "99" } }));
            },
            "refused years: " + std::string(calculators::checks::refinanceTermMessage) },
        ReaderCase { "PointsAboveTen",
            [] {
                return refinance(with(aRefinance, { { "points", "10.5" } }));
            },
            "refused points: Closing POINTS must be between 0 and 10, decimal numbers OK (1,1.25, etc.). Please "
            "re-enter." }),
    caseName);

std::string savings(const FieldTexts& texts)
{
    return outcome<calculators::SavingsGrowthInput>(
        [&] { return calculators::readSavingsGrowth(texts, unitedStatesSettings()); },
        [](const calculators::SavingsGrowthInput& input) {
            const char* const every[] = { "year", "month", "week" };
            return number(input.annualRatePercent) + "%, " + std::to_string(input.years) + " years, "
                + number(input.contribution) + " every " + every[static_cast<int>(input.frequency)] + " on "
                + number(input.currentAmount);
        });
}

const FieldTexts someSavings { { "rate", "7" }, { "years", "10" } };

INSTANTIATE_TEST_SUITE_P(SavingsGrowth, Readers,
    testing::Values(
        ReaderCase { "EmptyAmountsAreNothing", [] { return savings(someSavings); }, "7%, 10 years, 0 every year on 0" },
        ReaderCase { "Monthly",
            [] {
                return savings(
                    with(someSavings, { { "every", "month" }, { "contribution", "100" }, { "current", "5" } }));
            },
            "7%, 10 years, 100 every month on 5" },
        ReaderCase { "YearsAboveTwoHundred",
            [] {
                return savings(with(someSavings, { { "years", "201" } }));
            },
            "refused years: Years must be between 1 and 200. This is how long the money will accumulate and grow." },
        ReaderCase { "EveryDay",
            [] {
                return savings(with(someSavings, { { "every", "day" } }));
            },
            "refused every: The contribution is added every year, month or week." },
        // The amounts are not checked: text that is no number is the conversion error.
        ReaderCase { "ContributionWithADecimalComma",
            [] {
                return savings(with(someSavings, { { "contribution", "1,5" } }));
            },
            "error: '1,5' is not a valid floating point value" }),
    caseName);

std::string requiredReturn(const FieldTexts& texts)
{
    return outcome<calculators::RequiredReturnInput>(
        [&] { return calculators::readRequiredReturn(texts, unitedStatesSettings()); },
        [](const calculators::RequiredReturnInput& input) {
            return number(input.currentValue) + " to " + number(input.desiredValue) + " in "
                + std::to_string(input.years) + " years";
        });
}

INSTANTIATE_TEST_SUITE_P(RequiredReturn, Readers,
    testing::Values(ReaderCase { "Read",
                        [] {
                            return requiredReturn({ { "current", "100" }, { "desired", "200" }, { "years", "10" } });
                        },
                        "100 to 200 in 10 years" },
        // The desired value is checked against the current one as read, before the years.
        ReaderCase { "DesiredNotAboveTheCurrent",
            [] {
                return requiredReturn({ { "current", "100" }, { "desired", "100" }, { "years", "x" } });
            },
            "refused desired: Desired Value must be larger than Current Value, enter with no $ or commas." }),
    caseName);

std::string collegeCost(const FieldTexts& texts)
{
    return outcome<calculators::CollegeCostInput>(
        [&] { return calculators::readCollegeCost(texts, unitedStatesSettings()); },
        [](const calculators::CollegeCostInput& input) {
            return "age " + std::to_string(input.childAge) + " to " + std::to_string(input.startingAge) + ", "
                + number(input.annualCost) + " for " + std::to_string(input.yearsOfCollege) + " years rising "
                + number(input.increasePercent) + "%";
        });
}

std::string collegeFund(const FieldTexts& texts)
{
    return outcome<calculators::CollegeFund>(
        [&] { return calculators::readCollegeFund(texts, unitedStatesSettings()); },
        [](const calculators::CollegeFund& fund) {
            return number(fund.currentValue) + " growing " + number(fund.growthPercent) + "%";
        });
}

INSTANTIATE_TEST_SUITE_P(College, Readers,
    testing::Values(ReaderCase { "Cost",
                        [] {
                            return collegeCost({ { "age", "5" }, { "start-age", "18" }, { "cost", "7000" },
                                { "years", "4" }, { "increase", "5" } });
                        },
                        "age 5 to 18, 7000 for 4 years rising 5%" },
        ReaderCase { "StartNotAfterTheAge",
            [] {
                return collegeCost({ { "age", "18" }, { "start-age", "18" } });
            },
            "refused start-age: Starting College Age must be greater than child's current age (must be an "
            "integer)." },
        // Checked as more than 1 by its message, refused below 2.
        ReaderCase { "CostOfOne",
            [] {
                return collegeCost({ { "age", "5" }, { "start-age", "18" }, { "cost", "1.5" } });
            },
            "refused cost: Enter annual cost of college. Must be greater than 1, can include decimals but no commas "
            "or $." },
        ReaderCase { "Fund",
            [] {
                return collegeFund({ { "fund", "0" }, { "growth", "7" } });
            },
            "0 growing 7%" },
        ReaderCase { "FundLeftEmpty",
            [] {
                return collegeFund({ { "growth", "7" } });
            },
            "refused fund: You must enter a valid amount in the Education Fund field. Do not use $ or commas. If you "
            "do not have a fund, enter 0." }),
    caseName);

std::string retirementNeed(const FieldTexts& texts)
{
    return outcome<calculators::RetirementInput>(
        [&] { return calculators::readRetirementNeed(texts, unitedStatesSettings()); },
        [](const calculators::RetirementInput& input) {
            return "age " + std::to_string(input.currentAge) + " to " + std::to_string(input.retirementAge) + ", "
                + number(input.monthlyIncome) + " a month for " + std::to_string(input.retirementYears)
                + " years, growth " + number(input.growthPercent) + "%, inflation " + number(input.inflationPercent)
                + "%";
        });
}

std::string retirementAssets(const FieldTexts& texts)
{
    return outcome<calculators::RetirementAssets>(
        [&] { return calculators::readRetirementAssets(texts, unitedStatesSettings()); },
        [](const calculators::RetirementAssets& assets) { return "assets " + number(assets.currentAssets); });
}

INSTANTIATE_TEST_SUITE_P(Retirement, Readers,
    testing::Values(ReaderCase { "Need",
                        [] {
                            return retirementNeed({ { "age", "35" }, { "retire-at", "65" }, { "income", "3000" },
                                { "years", "25" }, { "growth", "7" }, { "inflation", "3" } });
                        },
                        "age 35 to 65, 3000 a month for 25 years, growth 7%, inflation 3%" },
        // Retiring at the current age is allowed; the income is checked next.
        ReaderCase { "RetiringNowThenNoIncome",
            [] {
                return retirementNeed({ { "age", "40" }, { "retire-at", "40" } });
            },
            "refused income: You must enter a desired monthly income (ex: 2500 or 5000) as a number, without $ or "
            "commas." },
        ReaderCase { "Assets",
            [] {
                return retirementAssets({ { "assets", "50000.5" } });
            },
            "assets 50000.5" },
        ReaderCase { "NegativeAssets",
            [] {
                return retirementAssets({ { "assets", "-1" } });
            },
            "refused assets: You must enter a valid number value for your current retirement assets, without $ or "
            "commas. If you have nothing, enter 0." }),
    caseName);

// The planner: its fields by name, the date year-month-day, the one-time extras as rows.
std::string planner(const FieldTexts& texts)
{
    return outcome<calculators::ExtraPaymentsInput>(
        [&] { return calculators::readExtraPayments(texts, unitedStatesSettings()); },
        [](const calculators::ExtraPaymentsInput& input) {
            std::ostringstream out;
            out << input.rateTenThousandths << "/10000%, " << input.years << " years, " << input.amount
                << " cents from " << regional::isoDateText(input.firstPaymentDate) << "; yearly in month "
                << input.yearlyMonth << " from " << input.yearlyFromYear << "; once";
            for (const calculators::OneTimeExtra& extra : input.oneTimeExtras)
                out << " " << extra.paymentNumber << "=" << extra.amount;
            out << (input.everyTwoWeeks ? "; every two weeks" : "");
            return out.str();
        });
}

FieldTexts aPlan(std::initializer_list<std::pair<std::string_view, std::string>> changes = {},
    std::vector<std::pair<std::string, std::string>> once = {})
{
    FieldTexts texts
        = with({ { "rate", "7.125" }, { "years", "30" }, { "amount", "200000.50" }, { "first-payment", "2027-03-01" } },
            changes);
    for (const auto& [payment, amount] : once)
        texts.addRow("once", { { "payment", payment }, { "amount", amount } });
    return texts;
}

const std::string moneyRule = " must be 0 or more, at most 1000000000 with at most 2 decimals after a \".\", entered "
                              "without $ or thousands separators.";

INSTANTIATE_TEST_SUITE_P(ExtraPayments, Readers,
    testing::Values(
        // An empty month of the yearly extra is the first payment's; empty rows are skipped.
        ReaderCase { "Read",
            [] {
                return planner(aPlan({ { "every-two-weeks", "yes" } }, { { "24", "1000.01" }, { "", "" } }));
            },
            "71250/10000%, 30 years, 20000050 cents from 2027-03-01; yearly in month 3 from 2027; once 24=100001; "
            "every two weeks" },
        ReaderCase { "DateNotYearMonthDay",
            [] {
                return planner(aPlan({ { "first-payment", "3/1/2027" } }));
            },
            "refused first-payment: The first payment date is written as year-month-day, such as 2027-01-01." },
        ReaderCase { "DateNotInTheCalendar",
            [] {
                return planner(aPlan({ { "first-payment", "2027-02-30" } }));
            },
            "refused first-payment: The first payment date must be a day of the calendar in the years 1900 to "
            "2199." },
        ReaderCase { "MonthOfTheYearlyExtra",
            [] {
                return planner(aPlan({ { "yearly-month", "13" } }));
            },
            "refused yearly-month: The month of the yearly extra payment must be from 1 to 12." },
        ReaderCase { "MonthOfTheYearlyExtraNoNumber",
            [] {
                return planner(aPlan({ { "yearly-month", "May" } }));
            },
            "refused yearly-month: The month of the yearly extra payment must be from 1 to 12." },
        ReaderCase { "EveryTwoWeeksMaybe",
            [] {
                return planner(aPlan({ { "every-two-weeks", "maybe" } }));
            },
            "refused every-two-weeks: Half payments every two weeks are chosen with yes or no." },
        ReaderCase { "PaymentNumberCell",
            [] {
                return planner(aPlan({}, { { "", "" }, { "0", "5" } }));
            },
            "refused once[1,0]: The payment number in row 2 of the one-time extra payments must be a whole number "
            "from 1 to 360." },
        ReaderCase { "AmountCell",
            [] {
                return planner(aPlan({}, { { "12", "5" }, { "13", "x" } }));
            },
            "refused once[1,1]: The amount in row 2 of the one-time extra payments" + moneyRule },
        ReaderCase { "TooManyRowsPointAtTheFirst",
            [] {
                return planner(aPlan({}, std::vector<std::pair<std::string, std::string>>(61, { "12", "1" })));
            },
            "refused once[0,0]: There can be at most 60 one-time extra payments." }),
    caseName);

// The comparison: the purchase by name, each offer a row of its keys.
std::string offers(const FieldTexts& texts)
{
    return outcome<calculators::LoanOffersInput>(
        [&] { return calculators::readLoanOffers(texts, unitedStatesSettings()); },
        [](const calculators::LoanOffersInput& input) {
            std::ostringstream out;
            out << input.price << " less " << input.down << " cents, kept " << input.yearsKept << " years from "
                << regional::isoDateText(input.firstPaymentDate) << ":";
            for (const calculators::LoanOffer& offer : input.offers)
                out << " " << offer.name << " " << offer.rateTenThousandths << "/10000% " << offer.years << " years "
                    << offer.pointsThousandths << "/1000 points;";
            return out.str();
        });
}

FieldTexts aPurchase(
    std::initializer_list<std::pair<std::string_view, std::string>> changes, std::vector<FieldTexts::Row> rows)
{
    FieldTexts texts = with({ { "price", "400000" }, { "down", "40000" }, { "first-payment", "2027-01-01" } }, changes);
    for (FieldTexts::Row& row : rows)
        texts.addRow("offer", std::move(row));
    return texts;
}

INSTANTIATE_TEST_SUITE_P(LoanOffers, Readers,
    testing::Values(
        // An offer without a rate is left out; the others keep their position's default name.
        ReaderCase { "Read",
            [] {
                return offers(aPurchase({ { "keep", "7" } },
                    { { { "rate", "6.5" }, { "years", "30" }, { "points", "1" } }, { { "name", "Skipped" } },
                        { { "rate", "6.875" }, { "years", "15" } } }));
            },
            "40000000 less 4000000 cents, kept 7 years from 2027-01-01: Offer A 65000/10000% 30 years 1000/1000 "
            "points; Offer C 68750/10000% 15 years 0/1000 points;" },
        ReaderCase { "DateNotYearMonthDay",
            [] {
                return offers(aPurchase({ { "first-payment", "2027-1" } }, { { { "rate", "6" }, { "years", "30" } } }));
            },
            "refused first-payment: The first payment date is written as year-month-day, such as 2027-01-01." },
        // A failure in an offer names its cell: the offer's position and the key's column.
        ReaderCase { "TermLeftEmpty",
            [] {
                return offers(aPurchase({}, { { { "rate", "6" }, { "years", "30" } }, { { "rate", "6.5" } } }));
            },
            "refused offer[1,2]: The term of Offer B must be a whole number of years between 1 and 50." },
        ReaderCase { "NoOfferWithARate",
            [] {
                return offers(aPurchase({}, { { { "name", "Bank" } } }));
            },
            "refused offer[0,1]: Enter the rate of at least one offer." }),
    caseName);

// What the command line's help says a planner field accepts is made from the same limits as the reader.
TEST(PlannerHelp, AcceptedTextsFollowTheLimits)
{
    EXPECT_EQ(calculators::plannerAcceptedText("rate"), "0 to 30, at most 4 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("amount"), "0.01 to 1000000000, at most 2 decimals");
    EXPECT_EQ(calculators::plannerAcceptedText("first-payment"),
        "1900-01-01 to 2199-12-31; the first of next month when left out");
    EXPECT_EQ(
        calculators::plannerAcceptedText("once"), "at most 60, the rows in the order given; two on one payment add up");
}

} // namespace
