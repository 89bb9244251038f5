#include "LoanChartModule.h"

#include "Modules.h"

namespace shell {

void showLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    static QLibrary module;
    static ShowLoanChart entry = nullptr;
    if (!entry) {
        entry = reinterpret_cast<ShowLoanChart>(moduleEntry(module, QStringLiteral("corvanta-loan-chart.so"),
            "corvantaShowLoanChart", QStringLiteral("The loan chart cannot be shown:")));
    }
    entry(schedule, prepayment);
}

} // namespace shell
