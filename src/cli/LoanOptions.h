#pragma once

#include "calculators/Checks.h"
#include "cli/Subcommand.h"

// The loan as the loan page's fields give it, checked as its Calculate checks them.
namespace cli::loanOptions {

inline constexpr Option rate { "rate", "the annual interest rate in percent", &calculators::checks::loanRate };
inline constexpr Option years { "years", "the term in years", &calculators::checks::loanYears };

// The loan as the loan page holds it, read without its checks, as the Schedule button and the prepayment window read
// it: any number, a term that is a whole number.
inline constexpr std::string_view asItStands = "a number, read without the loan page's checks";
inline constexpr Option rateAsItStands { "rate", "the annual interest rate in percent", nullptr, asItStands };
inline constexpr Option yearsAsItStands { "years", "the term in years", nullptr,
    "a whole number, read without the loan page's checks" };
inline constexpr Option amountAsItStands { "amount", "the loan amount", nullptr, asItStands };

} // namespace cli::loanOptions
