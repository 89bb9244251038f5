// corvanta-calc plan: the extra payments planner's Calculate, its summary and its schedule to the cent.
#include "calculators/extrapayments/ExtraPaymentsReader.h"
#include "cli/CommandList.h"
#include "cli/DateOption.h"
#include "regional/ShortDate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace cli {

namespace {

namespace field = calculators::plannerFields;

// The planner's fields by their own names; what each accepts is told in the words of the planner's checks.
const Option options[] = {
    { field::rate, "the annual interest rate in percent" },
    { field::years, "the term in years" },
    { field::amount, "the loan amount" },
    { field::firstPayment, "the date of the first payment, year-month-day" },
    { field::monthlyExtra, "the extra paid every month" },
    { field::monthlyFrom, "the first payment with the monthly extra" },
    { field::monthlyThrough, "the last payment with the monthly extra" },
    { field::yearlyExtra, "the extra paid once a year" },
    { field::yearlyMonth, "the month the yearly extra is paid in" },
    { field::yearlyFrom, "the first year with the yearly extra" },
    { .name = field::oneTime,
        .description = "a one-time extra as payment=amount; repeat --once, or separate them by blanks, for more",
        .repeats = true },
    { field::everyTwoWeeks, "half the payment every 14 days instead of the monthly payment" },
};

// The one-time extras as the planner's rows: "--once 60=10000 72=5000".
void addOneTimeRows(const Given& given, calculators::FieldTexts& texts)
{
    for (const std::string& once : given.all(field::oneTime)) {
        std::istringstream pairs(once);
        for (std::string pair; pairs >> pair;) {
            const auto equals = pair.find('=');
            if (equals == std::string::npos)
                throw RefusedOption(
                    field::oneTime, "Each one-time extra payment is written as payment=amount, such as 60=10000.");
            texts.addRow(field::oneTime,
                { { std::string(calculators::oneTimeKeys::payment), pair.substr(0, equals) },
                    { std::string(calculators::oneTimeKeys::amount), pair.substr(equals + 1) } });
        }
    }
}

finance::Extended dollars(calculators::Cents cents)
{
    return static_cast<finance::Extended>(cents) / 100;
}

Report run(const Given& given, const Context& context)
{
    const auto& settings = context.settings;
    calculators::FieldTexts texts = given.fieldTexts();
    const std::string firstPayment = firstPaymentText(given, field::firstPayment, context);
    addOneTimeRows(given, texts);
    Report report;
    // The CSV begins with the options as given, before the first payment is read as a date.
    report.inputs = calculators::plannerInputsAsTyped(texts);
    texts.set(field::firstPayment, firstPayment);
    const calculators::ExtraPaymentsInput input = readOptions(calculators::readExtraPayments, texts, context);
    const calculators::ExtraPaymentsPlan plan = calculators::planExtraPayments(input);

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
            regional::monthYearText(plan.totals.payoffDate, settings) },
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
        report.grid.push_back({ { cells[0], std::to_string(row.number) }, { cells[1], regional::isoDateText(row.date) },
            { cells[2], value(row.payment) }, { cells[3], value(row.extra) }, { cells[4], value(row.interest) },
            { cells[5], value(row.principal) }, { cells[6], value(row.balance) } });
    }
    return report;
}

} // namespace

const Subcommand& extraPaymentsCommand()
{
    static const Subcommand command { "plan",
        "The extra payments planner: extras every month, every year, once or every two weeks, to the cent.", options,
        "--rate 7 --years 30 --amount 200000 --first-payment 2027-01-01 --extra 100 --from 13 --yearly 2000 "
        "--yearly-month 4 --once 60=10000",
        run, calculators::plannerAcceptedText };
    return command;
}

} // namespace cli
