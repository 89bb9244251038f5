#pragma once

#include "calculators/loan/LoanChartSeries.h"
#include "regional/RegionalSettings.h"
#include "regional/ShortDate.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace calculators {

// Money in whole cents. Every figure of the plan is a whole cent, and the rows add up exactly, as on a
// lender's statement.
using Cents = std::int64_t;

struct OneTimeExtra
{
    std::int32_t paymentNumber = 0;
    Cents amount = 0;
};

// A monthly loan with extra payments of four kinds, which may be combined.
struct ExtraPaymentsInput
{
    std::int64_t rateTenThousandths = 0; // the annual rate in percent, times 10,000: 7.125% is 71250
    std::int32_t years = 0;
    Cents amount = 0;
    finance::CivilDate firstPaymentDate { 2027, 1, 1 };

    Cents monthlyExtra = 0; // paid with payments monthlyFrom to monthlyThrough
    std::int32_t monthlyFrom = 1;
    std::int32_t monthlyThrough = 0; // 0: to the end

    Cents yearlyExtra = 0; // paid with the payment in yearlyMonth of every year from yearlyFromYear
    int yearlyMonth = 1;
    int yearlyFromYear = 0;

    std::vector<OneTimeExtra> oneTimeExtras; // two on one payment add up

    bool everyTwoWeeks = false; // half the payment every 14 days instead of the monthly payment
};

// The planner's limits, which its reader keeps and the offers share.
constexpr std::int64_t highestPlanRate = 300000; // 30%
constexpr std::int32_t longestPlanYears = 50;
constexpr Cents largestPlanAmount = 100000000000; // 1,000,000,000.00
constexpr std::size_t mostOneTimeExtras = 60;
constexpr int earliestPlanYear = 1900;
constexpr int latestPlanYear = 2199;

struct PlanRow
{
    std::int32_t number = 0;
    finance::CivilDate date {};
    Cents payment = 0; // interest + principal
    Cents extra = 0;
    Cents interest = 0;
    Cents principal = 0;
    Cents balance = 0; // after the payment and the extra
};

struct PlanTotals
{
    std::int32_t payments = 0;
    finance::CivilDate payoffDate {};
    Cents paid = 0; // the payments column
    Cents extra = 0;
    Cents interest = 0;
};

struct ExtraPaymentsPlan
{
    Cents regularPayment = 0;
    Cents halfPayment = 0; // every two weeks: the regular payment halved, rounded up to the cent
    bool everyTwoWeeks = false;
    std::vector<PlanRow> rows;
    PlanTotals totals;
    std::vector<PlanRow> comparisonRows; // the same loan without extras
    PlanTotals comparison;
};

// n / d rounded to the nearest whole number, a half away from zero; n >= 0, d > 0.
std::int64_t roundedQuotient(std::int64_t n, std::int64_t d);

// A month's interest on a balance at a yearly rate in ten-thousandths of a percent, to the nearest cent.
Cents monthlyInterest(Cents balance, std::int64_t rateTenThousandths);

// The monthly payment of the loan page's formula rounded to the cent; without interest, the amount over
// the months rounded up to the cent.
Cents regularPlanPayment(std::int64_t rateTenThousandths, std::int32_t months, Cents amount);

// The date of payment `number` (from 1): the first payment's day of the month, number - 1 months later.
finance::CivilDate planPaymentDate(const finance::CivilDate& firstPayment, std::int32_t number);

// The plan and its comparison, month by month until the balance is 0.00.
ExtraPaymentsPlan planExtraPayments(const ExtraPaymentsInput& input);

// Texts the window, the print-out and the command line show. Sentences are the program's English with the
// locale's numbers only: a month is named by its digits (12/2045), never by the locale's word for it, and dates
// carry four-digit years, since a plan may run into the next century.
std::vector<std::string> planSummaryLines(const ExtraPaymentsPlan& plan, const regional::RegionalSettings& settings);
std::vector<std::string> planGridTitles();
std::vector<std::string> planRowTexts(const PlanRow& row, const regional::RegionalSettings& settings);
std::string centsText(Cents amount, const regional::RegionalSettings& settings); // $1,234.50
std::string yearsAndMonthsText(std::int32_t months); // "6 years 4 months"
// A month by its name in the program's English, whatever the locale: "April" for 4.
std::string monthName(int month);

// What the plan is a plan of, for the head of the print-out: the loan, then each kind of extra chosen.
std::vector<std::string> planInputLines(const ExtraPaymentsInput& input, const regional::RegionalSettings& settings);

// The balance without and with the plan month by month, the month the loan without extras first repays more
// principal than interest, and the plan's principal (extras included) and interest year by year.
LoanChartData planChartData(const ExtraPaymentsPlan& plan, Cents amount);

} // namespace calculators
