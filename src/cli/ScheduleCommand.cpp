// corvanta-calc schedule: the amortization schedule's grid, for the loan the loan page solved.
#include "AmortizationSchedule.h"
#include "FieldChecks.h"
#include "Formats.h"
#include "Subcommand.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = {
    { "rate", "the annual interest rate in percent", &checks::loanRate },
    { "years", "the term in years", &checks::loanYears },
    { "amount", "the loan amount", &checks::loanAmount },
};

Report run(const Given& given, const Context& context)
{
    // The schedule is of a loan that has passed the loan page's checks.
    requirePass(checks::solveForPayment, given, context);
    const finance::Extended rate = decimalOption(given, "rate", context);
    const std::int32_t months = calculators::scheduleMonthCount(wholeOption(given, "years"));
    const finance::Extended amount = decimalOption(given, "amount", context);
    const calculators::AmortizationSchedule schedule = calculators::amortizationSchedule(rate, months, amount);

    const auto& settings = context.settings;
    Report report;
    report.figures
        = { moneyFigure("monthlyPayment", schedule.monthlyPayment, settings), integerFigure("months", months) };
    auto& headings = report.grid.emplace_back();
    for (const std::string& title : calculators::scheduleTitles())
        headings.push_back({ title });
    for (std::int32_t month = 1; month <= months; ++month) {
        const calculators::ScheduleMonth& figures = schedule.months[static_cast<std::size_t>(month - 1)];
        const auto texts = calculators::scheduleRowTexts(month, figures, settings);
        report.grid.push_back({
            { texts[0], finance::integerText(month) },
            { texts[1], exactDecimal(figures.interest, settings.moneyDecimals) },
            { texts[2], exactDecimal(figures.principal, settings.moneyDecimals) },
            { texts[3], exactDecimal(figures.balance, settings.moneyDecimals) },
        });
    }
    return report;
}

} // namespace

extern const Subcommand scheduleCommand;
const Subcommand scheduleCommand { "schedule",
    "The amortization schedule: each month's interest, principal and balance.", options,
    "--rate 7 --years 15 --amount 100000", run };

} // namespace cli
