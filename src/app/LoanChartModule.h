#pragma once

#include "AmortizationSchedule.h"
#include "Prepayment.h"

#include <optional>

namespace shell {

// What the loan chart module offers under the name "corvantaShowLoanChart".
using ShowLoanChart = void (*)(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment);

// Shows the loan chart of a schedule, modal; with a prepayment analysis of the same loan, the balance paying
// extra too. The chart lives in a module of its own, loaded the first time and kept until the program ends;
// a module that cannot be loaded raises an error that names it.
void showLoanChart(
    const calculators::AmortizationSchedule& schedule, const std::optional<calculators::PrepaymentInput>& prepayment);

} // namespace shell
