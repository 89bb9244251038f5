// corvanta-calc plan: the extra payments planner's Calculate, its summary and its schedule to the cent.
#include "CalendarDays.h"
#include "ExtraPaymentsChecks.h"
#include "FinanceErrors.h"
#include "NumberEntry.h"
#include "ShortDate.h"
#include "Subcommand.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

namespace {

using calculators::ExtraPaymentsField;

const Option options[] = {
    { "rate", "the annual interest rate in percent", nullptr, "0 to 30, at most 4 decimals" },
    { "years", "the term in years", nullptr, "a whole number from 1 to 50" },
    { "amount", "the loan amount", nullptr, "0.01 to 1000000000, at most 2 decimals" },
    { "first-payment", "the date of the first payment, year-month-day", nullptr,
        "1900-01-01 to 2199-12-31; the first of next month when left out" },
    { "extra", "the extra paid every month", nullptr, "0 to 1000000000, at most 2 decimals; none when left out" },
    { "from", "the first payment with the monthly extra", nullptr, "a payment number; 1 when left out" },
    { "through", "the last payment with the monthly extra", nullptr, "a payment number; the last when left out" },
    { "yearly", "the extra paid once a year", nullptr, "0 to 1000000000, at most 2 decimals; none when left out" },
    { "yearly-month", "the month the yearly extra is paid in", nullptr,
        "1 (January) to 12; the first payment's month when left out" },
    { "yearly-from", "the first year with the yearly extra", nullptr,
        "a year of the loan; the first payment's when left out" },
    { .name = "once",
        .description = "a one-time extra as payment=amount; repeat --once, or separate them by blanks, for more",
        .accepted = "at most 60, the rows in the order given; two on one payment add up",
        .repeats = true },
    { "every-two-weeks", "half the payment every 14 days instead of the monthly payment", nullptr, "yes or no" },
};

// The option each field of the planner is given by.
std::string_view optionOf(ExtraPaymentsField field)
{
    switch (field) {
    case ExtraPaymentsField::Rate:
        return "rate";
    case ExtraPaymentsField::Years:
        return "years";
    case ExtraPaymentsField::Amount:
        return "amount";
    case ExtraPaymentsField::FirstPaymentDate:
        return "first-payment";
    case ExtraPaymentsField::MonthlyExtra:
        return "extra";
    case ExtraPaymentsField::MonthlyFrom:
        return "from";
    case ExtraPaymentsField::MonthlyThrough:
        return "through";
    case ExtraPaymentsField::YearlyExtra:
        return "yearly";
    case ExtraPaymentsField::YearlyMonth:
        return "yearly-month";
    case ExtraPaymentsField::YearlyFromYear:
        return "yearly-from";
    case ExtraPaymentsField::OneTimePaymentNumber:
    case ExtraPaymentsField::OneTimeAmount:
        return "once";
    }
    return "plan";
}

finance::CivilDate firstPaymentDate(const Given& given, const Context& context)
{
    if (!given.has("first-payment"))
        return finance::addMonths({ context.today.year, context.today.month, 1 }, 1);
    const std::string text = given.text("first-payment");
    // Digits only, so that a date never depends on the regional short format: four for the year, up to two each
    // for the month and the day.
    const auto number = [](std::string_view part, std::size_t mostDigits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || part.size() > mostDigits || part.front() == '-' || error != std::errc {}
            || end != part.data() + part.size())
            return std::nullopt;
        return value;
    };
    const std::string_view date(text);
    const auto firstDash = date.find('-');
    const auto secondDash = firstDash == std::string_view::npos ? firstDash : date.find('-', firstDash + 1);
    const auto year = number(date.substr(0, firstDash), 4);
    const auto month = secondDash == std::string_view::npos
        ? std::nullopt
        : number(date.substr(firstDash + 1, secondDash - firstDash - 1), 2);
    const auto day = secondDash == std::string_view::npos ? std::nullopt : number(date.substr(secondDash + 1), 2);
    if (!year || !month || !day)
        throw RefusedOption(
            "first-payment", "The first payment date is written as year-month-day, such as 2027-01-01.");
    return { *year, *month, *day };
}

std::vector<calculators::ExtraPaymentsTexts::OneTimeRow> oneTimeRows(const Given& given)
{
    std::vector<calculators::ExtraPaymentsTexts::OneTimeRow> rows;
    for (const std::string& once : given.all("once")) {
        std::istringstream pairs(once);
        for (std::string pair; pairs >> pair;) {
            const auto equals = pair.find('=');
            if (equals == std::string::npos)
                throw RefusedOption(
                    "once", "Each one-time extra payment is written as payment=amount, such as 60=10000.");
            rows.push_back({ pair.substr(0, equals), pair.substr(equals + 1) });
        }
    }
    return rows;
}

bool everyTwoWeeks(const Given& given)
{
    const std::string text = given.text("every-two-weeks");
    if (text.empty() || text == "no")
        return false;
    if (text == "yes")
        return true;
    throw RefusedOption("every-two-weeks", "Half payments every two weeks are chosen with yes or no.");
}

finance::Extended dollars(calculators::Cents cents)
{
    return static_cast<finance::Extended>(cents) / 100;
}

// The date as year-month-day, the value a date cell carries beside its regional text: 2050-01-31.
std::string isoDate(const finance::CivilDate& date)
{
    const auto digits = [](int value, std::size_t width) {
        std::string text = std::to_string(value);
        return std::string(width - std::min(width, text.size()), '0') + text;
    };
    return digits(date.year, 4) + '-' + digits(date.month, 2) + '-' + digits(date.day, 2);
}

Report run(const Given& given, const Context& context)
{
    const auto& settings = context.settings;
    calculators::ExtraPaymentsTexts texts;
    texts.rate = given.text("rate");
    texts.years = given.text("years");
    texts.amount = given.text("amount");
    texts.firstPaymentDate = firstPaymentDate(given, context);
    texts.monthlyExtra = given.text("extra");
    texts.monthlyFrom = given.text("from");
    texts.monthlyThrough = given.text("through");
    texts.yearlyExtra = given.text("yearly");
    if (given.has("yearly-month")) {
        try {
            texts.yearlyMonth = finance::wholeNumberEntry(given.text("yearly-month"));
        } catch (const finance::EConvertError&) {
            texts.yearlyMonth = 0; // refused by the check below, with its warning
        }
    } else {
        texts.yearlyMonth = texts.firstPaymentDate.month;
    }
    texts.yearlyFromYear = given.text("yearly-from");
    texts.oneTimeRows = oneTimeRows(given);
    texts.everyTwoWeeks = everyTwoWeeks(given);

    const auto read = calculators::readExtraPaymentsTexts(texts, settings);
    if (const auto* failure = std::get_if<calculators::ExtraPaymentsFailure>(&read))
        throw RefusedOption(optionOf(failure->field), failure->message);
    const auto& input = std::get<calculators::ExtraPaymentsInput>(read);
    const calculators::ExtraPaymentsPlan plan = calculators::planExtraPayments(input);

    Report report;
    report.texts = calculators::planSummaryLines(plan, settings);
    const std::int32_t monthsSaved = plan.comparison.payments - plan.totals.payments;
    const auto money = [&settings](std::string name, calculators::Cents cents) {
        return moneyFigure(std::move(name), dollars(cents), settings);
    };
    report.figures = {
        money("regularPayment", plan.regularPayment),
        integerFigure("payments", plan.totals.payments),
        integerFigure("payoffYear", plan.totals.payoffDate.year),
        { "payoffMonth", std::to_string(plan.totals.payoffDate.month),
            finance::monthYearText(plan.totals.payoffDate, settings) },
        money("totalInterest", plan.totals.interest),
        money("totalExtra", plan.totals.extra),
        integerFigure("paymentsWithoutExtras", plan.comparison.payments),
        money("interestWithoutExtras", plan.comparison.interest),
        money("interestSaved", plan.comparison.interest - plan.totals.interest),
        { "monthsSaved", std::to_string(monthsSaved), calculators::yearsAndMonthsText(monthsSaved) },
    };
    auto& headings = report.grid.emplace_back();
    for (const std::string& title : calculators::planGridTitles())
        headings.push_back({ title });
    for (const calculators::PlanRow& row : plan.rows) {
        const auto cells = calculators::planRowTexts(row, settings);
        const auto value
            = [&settings](calculators::Cents cents) { return exactDecimal(dollars(cents), settings.moneyDecimals); };
        report.grid.push_back({ { cells[0], std::to_string(row.number) }, { cells[1], isoDate(row.date) },
            { cells[2], value(row.payment) }, { cells[3], value(row.extra) }, { cells[4], value(row.interest) },
            { cells[5], value(row.principal) }, { cells[6], value(row.balance) } });
    }
    return report;
}

} // namespace

extern const Subcommand planCommand;
const Subcommand planCommand { "plan",
    "The extra payments planner: extras every month, every year, once or every two weeks, to the cent.", options,
    "--rate 7 --years 30 --amount 200000 --first-payment 2027-01-01 --extra 100 --from 13 --yearly 2000 "
    "--yearly-month 4 --once 60=10000",
    run };

} // namespace cli
