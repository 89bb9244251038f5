// The door into the loan chart module: the program resolves this one function by name.
#include "LoanChart.h"
#include "LoanChartModule.h"

#include <memory>
#include <type_traits>

extern "C" Q_DECL_EXPORT void corvantaShowLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment)
{
    // A new chart at every request, owned by nobody and freed when it closes.
    const auto chart = std::make_unique<TLoanChart>();
    chart->showLoan(schedule, prepayment);
    chart->exec();
}

// The entry's type must match what the program calls through.
static_assert(std::is_same_v<decltype(&corvantaShowLoanChart), shell::ShowLoanChart>);
