#include "calculators/extrapayments/ExtraPaymentsPlan.h"

#include "finance/CalendarDays.h"
#include "finance/LevelPayment.h"
#include "finance/TimeValue.h"
#include "regional/DigitEngine.h"
#include "regional/Formats.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>

namespace calculators {

namespace {

// i = R / 1200 with R in ten-thousandths of a percent: the monthly rate is R / 12,000,000.
constexpr std::int64_t monthlyRateDenominator = 12000000;

// The value rounded to the cent on its decimal digits, a half away from zero.
Cents roundedCents(Extended value)
{
    using namespace regional::digits;
    const DecimalDigits rounded = roundToDigits(eighteenDigits(value), eighteenDigits(value).pointPosition + 2);
    Cents cents = 0;
    const int wholeCentDigits = rounded.pointPosition + 2;
    for (int i = 0; i < wholeCentDigits; ++i)
        cents = cents * 10 + (i < static_cast<int>(rounded.digits.size()) ? rounded.digits[i] - '0' : 0);
    return rounded.negative ? -cents : cents;
}

// What is due besides the regular payment, payment by payment (index 0 is payment 1).
std::vector<Cents> extrasDue(const ExtraPaymentsInput& input, Cents regularPayment, Cents halfPayment)
{
    const std::int32_t months = input.years * 12;
    std::vector<Cents> due(static_cast<std::size_t>(months), 0);
    const std::int32_t monthlyThrough = input.monthlyThrough == 0 ? months : input.monthlyThrough;
    const std::int64_t firstDay = finance::dayNumber(input.firstPaymentDate);
    // Half payments fall on days 0, 14, 28, ... counted from the first payment; those from payment k's day up
    // to payment k + 1's day belong to month k.
    const auto halfPaymentsBefore = [](std::int64_t day) { return (day + 13) / 14; };
    for (std::int32_t k = 1; k <= months; ++k) {
        Cents& extra = due[static_cast<std::size_t>(k - 1)];
        const finance::CivilDate date = planPaymentDate(input.firstPaymentDate, k);
        if (k >= input.monthlyFrom && k <= monthlyThrough)
            extra += input.monthlyExtra;
        if (date.month == input.yearlyMonth && date.year >= input.yearlyFromYear)
            extra += input.yearlyExtra;
        if (input.everyTwoWeeks) {
            const std::int64_t from = finance::dayNumber(date) - firstDay;
            const std::int64_t to = finance::dayNumber(planPaymentDate(input.firstPaymentDate, k + 1)) - firstDay;
            extra += (halfPaymentsBefore(to) - halfPaymentsBefore(from)) * halfPayment - regularPayment;
        }
    }
    for (const OneTimeExtra& oneTime : input.oneTimeExtras)
        due[static_cast<std::size_t>(oneTime.paymentNumber - 1)] += oneTime.amount;
    return due;
}

std::vector<PlanRow> runPlan(const ExtraPaymentsInput& input, Cents regularPayment, const std::vector<Cents>& due)
{
    const std::int32_t months = input.years * 12;
    std::vector<PlanRow> rows;
    Cents balance = input.amount;
    for (std::int32_t k = 1; k <= months && balance > 0; ++k) {
        PlanRow row;
        row.number = k;
        row.date = planPaymentDate(input.firstPaymentDate, k);
        row.interest = monthlyInterest(balance, input.rateTenThousandths);
        if (balance + row.interest <= regularPayment || k == months) {
            // The last payment clears the balance whatever its size, and never overpays.
            row.principal = balance;
        } else {
            row.principal = regularPayment - row.interest;
            row.extra = std::clamp(due[static_cast<std::size_t>(k - 1)], Cents { 0 }, balance - row.principal);
        }
        row.payment = row.interest + row.principal;
        balance -= row.principal + row.extra;
        row.balance = balance;
        rows.push_back(row);
    }
    return rows;
}

PlanTotals totalsOf(const std::vector<PlanRow>& rows)
{
    PlanTotals totals;
    totals.payments = static_cast<std::int32_t>(rows.size());
    if (!rows.empty())
        totals.payoffDate = rows.back().date;
    for (const PlanRow& row : rows) {
        totals.paid += row.payment;
        totals.extra += row.extra;
        totals.interest += row.interest;
    }
    return totals;
}

} // namespace

std::int64_t roundedQuotient(std::int64_t n, std::int64_t d)
{
    return (2 * n + d) / (2 * d);
}

Cents monthlyInterest(Cents balance, std::int64_t rateTenThousandths)
{
    return roundedQuotient(balance * rateTenThousandths, monthlyRateDenominator);
}

Cents regularPlanPayment(std::int64_t rateTenThousandths, std::int32_t months, Cents amount)
{
    if (rateTenThousandths == 0)
        return (amount + months - 1) / months;
    const Extended annualPercent = static_cast<Extended>(rateTenThousandths) / 10000;
    const Extended payment = finance::Payment(finance::monthlyRate(annualPercent), months,
        -static_cast<Extended>(amount) / 100, 0, finance::PaymentTiming::EndOfPeriod);
    // A payment within a hair of a half cent, as a recast over one or two payments left can be exactly, is settled
    // by exact sums: extended precision may fall on the wrong side of the half. The hair is far wider than the
    // payment's rounding error, some 1e-17 of it.
    const Extended cents = payment * 100;
    const Extended whole = std::floor(cents);
    const Extended hair = Extended { 1e-6 } + Extended { 1e-14 } * cents;
    if (std::fabs(cents - whole - Extended { 0.5 }) < hair) {
        const auto below = static_cast<std::uint64_t>(whole);
        return static_cast<Cents>(below)
            + (finance::levelPaymentAtLeastHalves(static_cast<std::uint64_t>(amount),
                   static_cast<std::uint64_t>(rateTenThousandths), monthlyRateDenominator, months, 2 * below + 1)
                    ? 1
                    : 0);
    }
    return roundedCents(payment);
}

finance::CivilDate planPaymentDate(const finance::CivilDate& firstPayment, std::int32_t number)
{
    return finance::addMonths(firstPayment, number - 1);
}

ExtraPaymentsPlan planExtraPayments(const ExtraPaymentsInput& input)
{
    // The reader keeps every field within the planner's limits; a plan trusts it.
    assert(input.years >= 1 && input.years <= longestPlanYears && input.amount >= 1);
    const std::int32_t months = input.years * 12;
    ExtraPaymentsPlan plan;
    plan.regularPayment = regularPlanPayment(input.rateTenThousandths, months, input.amount);
    plan.halfPayment = (plan.regularPayment + 1) / 2;
    plan.everyTwoWeeks = input.everyTwoWeeks;
    plan.rows = runPlan(input, plan.regularPayment, extrasDue(input, plan.regularPayment, plan.halfPayment));
    plan.totals = totalsOf(plan.rows);
    plan.comparisonRows = runPlan(input, plan.regularPayment, std::vector<Cents>(static_cast<std::size_t>(months), 0));
    plan.comparison = totalsOf(plan.comparisonRows);
    return plan;
}

std::string centsText(Cents amount, const regional::RegionalSettings& settings)
{
    // At most 13 digits: the 18 significant digits of the division give back the exact cents.
    return regional::moneyText(static_cast<Extended>(amount) / 100, settings);
}

std::string yearsAndMonthsText(std::int32_t months)
{
    const auto count = [](std::int32_t n, const char* one, const char* many) {
        return std::to_string(n) + ' ' + (n == 1 ? one : many);
    };
    const std::int32_t years = months / 12;
    const std::int32_t rest = months % 12;
    if (years == 0)
        return count(rest, "month", "months");
    return rest == 0 ? count(years, "year", "years")
                     : count(years, "year", "years") + ' ' + count(rest, "month", "months");
}

std::vector<std::string> planSummaryLines(const ExtraPaymentsPlan& plan, const regional::RegionalSettings& settings)
{
    const auto money = [&settings](Cents amount) { return centsText(amount, settings); };
    std::vector<std::string> lines;
    lines.push_back("Regular monthly payment: " + money(plan.regularPayment));
    if (plan.everyTwoWeeks)
        lines.push_back("Paid as half payments every two weeks: " + money(plan.halfPayment));
    lines.push_back("With the extra payments: " + std::to_string(plan.totals.payments) + " payments, paid off in "
        + regional::monthYearText(plan.totals.payoffDate, settings));
    lines.push_back("Total interest: " + money(plan.totals.interest));
    lines.push_back("Total extra paid: " + money(plan.totals.extra));
    lines.push_back("Without them: " + std::to_string(plan.comparison.payments) + " payments, paid off in "
        + regional::monthYearText(plan.comparison.payoffDate, settings) + ", total interest "
        + money(plan.comparison.interest));
    lines.push_back("Interest saved: " + money(plan.comparison.interest - plan.totals.interest));
    lines.push_back("Time saved: " + yearsAndMonthsText(plan.comparison.payments - plan.totals.payments));
    // The loan page's total interest is its unrounded payments less the amount.
    lines.push_back("Interest is rounded to the cent each month, as lenders do, so it can differ by cents from the "
                    "loan page's total.");
    return lines;
}

std::vector<std::string> planGridTitles()
{
    return { "No.", "Date", "Payment", "Extra", "Interest", "Principal", "Balance" };
}

std::vector<std::string> planRowTexts(const PlanRow& row, const regional::RegionalSettings& settings)
{
    return { std::to_string(row.number), regional::shortDateText(row.date, settings, regional::YearDigits::Four),
        centsText(row.payment, settings), centsText(row.extra, settings), centsText(row.interest, settings),
        centsText(row.principal, settings), centsText(row.balance, settings) };
}

std::string monthName(int month)
{
    // The settings' defaults are the English names; a locale's own are for its dates alone.
    static const regional::DateNames english;
    return english.months.at(static_cast<std::size_t>(month - 1));
}

std::vector<std::string> planInputLines(const ExtraPaymentsInput& input, const regional::RegionalSettings& settings)
{
    const auto money = [&settings](Cents amount) { return centsText(amount, settings); };
    const auto number = [](std::int32_t n) { return std::to_string(n); };
    // The rate's digits as typed, without trailing zeros: 7.125 for 71250.
    std::string rate = std::to_string(input.rateTenThousandths / 10000);
    std::string decimals = std::to_string(10000 + input.rateTenThousandths % 10000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty())
        rate += settings.decimalSeparator + decimals;

    std::vector<std::string> lines;
    lines.push_back("Extra payments plan for a loan of " + money(input.amount) + " at " + rate + "% for "
        + number(input.years) + (input.years == 1 ? " year" : " years") + ", first payment "
        + regional::shortDateText(input.firstPaymentDate, settings, regional::YearDigits::Four));
    if (input.monthlyExtra > 0) {
        const std::int32_t through = input.monthlyThrough == 0 ? input.years * 12 : input.monthlyThrough;
        lines.push_back("Every month: " + money(input.monthlyExtra) + " extra with payments "
            + number(input.monthlyFrom) + " to " + number(through));
    }
    if (input.yearlyExtra > 0)
        lines.push_back("Every year: " + money(input.yearlyExtra) + " extra with the payment in "
            + monthName(input.yearlyMonth) + ", from " + number(input.yearlyFromYear));
    // Five one-time extras to a line keep sixty of them to twelve lines of the first page.
    constexpr std::size_t perLine = 5;
    const auto& once = input.oneTimeExtras;
    for (std::size_t first = 0; first < once.size(); first += perLine) {
        std::string line = first == 0 ? "Once, extra: " : "Once, extra (continued): ";
        for (std::size_t i = first; i < std::min(once.size(), first + perLine); ++i)
            line += (i > first ? ", " : "") + money(once[i].amount) + " with payment " + number(once[i].paymentNumber);
        lines.push_back(line);
    }
    if (input.everyTwoWeeks)
        lines.push_back("Every two weeks: half the payment instead of the monthly payment");
    if (lines.size() == 1)
        lines.push_back("No extra payments");
    return lines;
}

LoanChartData planChartData(const ExtraPaymentsPlan& plan, Cents amount)
{
    const auto dollars = [](Cents cents) { return static_cast<Extended>(cents) / 100; };
    LoanChartData data;
    data.balance.push_back(dollars(amount));
    // The crossing is marked on the balance without extras, so it is that loan's.
    for (const PlanRow& row : plan.comparisonRows) {
        data.balance.push_back(dollars(row.balance));
        if (!data.crossoverMonth && row.principal > row.interest)
            data.crossoverMonth = row.number;
    }
    data.prepaidBalance.push_back(dollars(amount));
    for (const PlanRow& row : plan.rows) {
        data.prepaidBalance.push_back(dollars(row.balance));
        const std::int32_t year = (row.number - 1) / 12 + 1;
        if (data.years.empty() || data.years.back().year != year)
            data.years.push_back({ year, 0, 0 });
        data.years.back().principal += dollars(row.principal + row.extra);
        data.years.back().interest += dollars(row.interest);
    }
    return data;
}

} // namespace calculators
