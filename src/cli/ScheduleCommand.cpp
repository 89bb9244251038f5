// corvanta-calc schedule: the amortization schedule's grid, for the loan the loan page solved.
#include "calculators/Checks.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "cli/CommandList.h"
#include "cli/LoanOptions.h"
#include "regional/Formats.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace cli {

namespace {

namespace checks = calculators::checks;

const Option options[] = { loanOptions::rateAsItStands, loanOptions::yearsAsItStands, loanOptions::amountAsItStands };

Report run(const Given& given, const Context& context)
{
    // The loan as it stands, as the Schedule button reads the loan page.
    const calculators::ScheduleLoan loan = readOptions(calculators::readSchedule, given, context);
    const std::int32_t months = loan.months;
    const calculators::AmortizationSchedule schedule
        = calculators::amortizationSchedule(loan.annualRatePercent, months, loan.loanAmount);

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
            { texts[0], regional::integerText(month) },
            { texts[1], exactDecimal(figures.interest, settings.moneyDecimals) },
            { texts[2], exactDecimal(figures.principal, settings.moneyDecimals) },
            { texts[3], exactDecimal(figures.balance, settings.moneyDecimals) },
        });
    }
    return report;
}

} // namespace

const Subcommand& scheduleCommand()
{
    static const Subcommand command { "schedule",
        "The amortization schedule: each month's interest, principal and balance.", options,
        "--rate 7 --years 15 --amount 100000", run };
    return command;
}

} // namespace cli
