#pragma once

#include "calculators/Checks.h"
#include "cli/Subcommand.h"

// The loan as the loan page's fields give it, for every subcommand of a loan the loan page solved.
namespace cli::loanOptions {

inline constexpr Option rate { "rate", "the annual interest rate in percent", &calculators::checks::loanRate };
inline constexpr Option years { "years", "the term in years", &calculators::checks::loanYears };
inline constexpr Option amount { "amount", "the loan amount", &calculators::checks::loanAmount };

} // namespace cli::loanOptions
