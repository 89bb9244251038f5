#pragma once

#include "calculators/fields/FieldCheck.h"

#include <string_view>

// Every calculator's field checks, in the order its window runs them, with the window's own warnings.
namespace calculators::checks {

// Loans and Mortgages: the rate and the term, then the figure the loan is solved from.
inline constexpr FieldCheck loanRate { .field = "rate",
    .low = 1,
    .high = 30,
    .message = "Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25) but do not use "
               "\"%\" signs. Please re-enter." };
inline constexpr FieldCheck loanYears { .field = "years",
    .reading = Reading::Whole,
    .low = 1,
    .high = 50,
    .message = "Years must be between 1 and 50",
    .notANumberMessage = "The YEARS value must be an integer between 1 and 50, please re-enter." };
inline constexpr FieldCheck loanAmount { .field = "amount",
    .low = 2,
    .message = "LOAN AMOUNT must be an integer greater than 1. Do not enter any \"$\" or commas." };
inline constexpr FieldCheck loanPayment { .field = "payment",
    .low = 2,
    .message = "MONTHLY PAYMENT must be an integer greater than 1. Do not enter any \"$\" signs or commas." };
inline constexpr FieldCheck solveForPayment[] = { loanRate, loanYears, loanAmount };
inline constexpr FieldCheck solveForAmount[] = { loanRate, loanYears, loanPayment };

// The prepayment window, once the loan has passed.
inline constexpr FieldCheck prepayment[] = {
    { .field = "extra", .low = 1, .message = "The MONTHLY PAYMENT must be a number greater than 1. Please re-enter." },
    { .field = "from", .low = 1, .message = "The STARTING MONTH must be a number greater than 1. Please re-enter." },
};

// The loan payment matrix: a loan value must also be a whole number (no decimal point, exponent or trailing blank).
inline constexpr FieldCheck matrix[] = {
    { .field = "amount",
        .reading = Reading::WholeAndDecimal,
        .low = 2,
        .message = "STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. Please "
                   "re-enter." },
    { .field = "increment",
        .reading = Reading::WholeAndDecimal,
        .low = 2,
        .message = "LOAN VALUE INCREMENT must be an integer greater than 1. Do not enter any \"$\" signs. Please "
                   "re-enter." },
    { .field = "rate",
        .low = 1,
        .high = 30,
        .message = "Starting Interest Rate must be between 1 and 30, decimal numbers OK.",
        .notANumberMessage = "Starting Interest Rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = "
                             "8.25). Please re-enter." },
};

// The matrix's spin boxes and its rate step's scroll bar. The window's controls keep the counts and the step in
// range, so that it has no warning for them; the command line checks what it is given in their place. A term typed
// into its box and confirmed with Enter is taken as typed, whatever its value, as the command line takes it (a term
// of 0 or below ends the fill in a division by zero). The rate step's scroll bar has positions 1 to 16, an eighth
// of a point each.
inline constexpr std::string_view matrixTermMessage = "A loan term is a whole number of years.";
inline constexpr FieldCheck matrixSpins[] = {
    { .field = "years", .reading = Reading::Whole, .message = matrixTermMessage },
    { .field = "years2", .reading = Reading::Whole, .message = matrixTermMessage },
    { .field = "amounts",
        .reading = Reading::Whole,
        .low = 1,
        .high = 4,
        .message = "The matrix shows 1 to 4 loan amounts." },
    { .field = "rates",
        .reading = Reading::Whole,
        .low = 1,
        .high = 3,
        .message = "The matrix shows 1 to 3 interest rates." },
    { .field = "rate-step",
        .low = 0.125,
        .high = 2,
        .message = "The rate step is 0.125 to 2 points, in steps of 0.125." },
};

// Refinancing a Home. The term is read as a decimal number first and as a whole number second, so that "5." fails
// too.
inline constexpr std::string_view refinanceTermMessage
    = "Term of loan should be between 1 and 50, entered as an integer (ex: 15, 30, ...). Please re-enter.";
inline constexpr FieldCheck refinance[] = {
    { .field = "payment",
        .low = 2,
        .message = "Current mortgage must be greater than 1, entered without $ or commas. Please re-enter." },
    { .field = "principal",
        .low = 2,
        .message
        = "Refinanced principal amount must be greater than 1, entered without $ or commas. Please re-enter." },
    { .field = "years", .low = 1, .message = refinanceTermMessage },
    { .field = "years", .reading = Reading::Whole, .low = 1, .high = 50, .message = refinanceTermMessage },
    { .field = "rate",
        .low = 1,
        .high = 30,
        .message = "Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25). Please "
                   "re-enter." },
    { .field = "closing-costs",
        .low = 0,
        .message = "Mortgage Closing Costs must be greater than or equal to 0, entered without $ or commas. Please "
                   "re-enter." },
    { .field = "points",
        .low = 0,
        .high = 10,
        .message = "Closing POINTS must be between 0 and 10, decimal numbers OK (1,1.25, etc.). Please re-enter." },
};

// Savings and Interest Rates: the growth of savings. The contribution and the current amount are not checked.
inline constexpr FieldCheck savingsGrowth[] = {
    { .field = "rate", .low = 1, .high = 50, .message = "Interest rate must be between 1 and 50, decimals OK." },
    { .field = "years",
        .reading = Reading::Whole,
        .low = 1,
        .high = 200,
        .message = "Years must be between 1 and 200. This is how long the money will accumulate and grow." },
};

// Savings and Interest Rates: the return a goal requires.
inline constexpr FieldCheck requiredReturn[] = {
    { .field = "current", .low = 1, .message = "Current Value must be above $1. Enter without $ or commas." },
    { .field = "desired",
        .message = "Desired Value must be larger than Current Value, enter with no $ or commas.",
        .boundField = "current" },
    { .field = "years",
        .reading = Reading::Whole,
        .low = 1,
        .high = 100,
        .message = "Years must be between 1 and 100, entered as integer. Please re-enter." },
};

// Saving for College: the projection, then the fund. The cost check refuses less than 2, although its message
// asks only for more than 1.
inline constexpr FieldCheck collegeCost[] = {
    { .field = "age",
        .reading = Reading::Whole,
        .low = 0,
        .message = "Enter child's current age as an integer (0 or greater)." },
    { .field = "start-age",
        .reading = Reading::Whole,
        .message = "Starting College Age must be greater than child's current age (must be an integer).",
        .boundField = "age" },
    { .field = "cost",
        .low = 2,
        .message = "Enter annual cost of college. Must be greater than 1, can include decimals but no commas or $." },
    { .field = "years",
        .reading = Reading::Whole,
        .low = 1,
        .message = "Enter how many years child will spend in college (must be an integer like 4,5, etc.)." },
    { .field = "increase",
        .low = 1,
        .message = "Enter an estimated inflation rate for college expenses. OK to use decimals but no % sign (ex: "
                   "7.2% = 7.2,  8% = 8)." },
};
inline constexpr FieldCheck collegeFund[] = {
    { .field = "fund",
        .low = 0,
        .message = "You must enter a valid amount in the Education Fund field. Do not use $ or commas. If you do not "
                   "have a fund, enter 0." },
    { .field = "growth",
        .low = 1,
        .high = 50,
        .message = "Growth rate must be between 1 and 50, decimal numbers OK (7% = 7, 15.25% = 15.25). Please "
                   "re-enter." },
};

// Retirement Planning: the need, then the current assets for the plan.
inline constexpr FieldCheck retirementNeed[] = {
    { .field = "age",
        .reading = Reading::Whole,
        .low = 1,
        .message = "You must enter your current age as an integer (32,33,etc..). Please re-enter." },
    { .field = "retire-at",
        .reading = Reading::Whole,
        .message = "Enter a retirement age equal to or older than your current age. Must be an integer (55, 65, "
                   "etc..).",
        .boundField = "age",
        .boundIncluded = true },
    { .field = "income",
        .low = 2,
        .message = "You must enter a desired monthly income (ex: 2500 or 5000) as a number, without $ or commas." },
    { .field = "years",
        .reading = Reading::Whole,
        .low = 1,
        .message = "Enter the number of years you will spend in retirement living off your monthly income." },
    { .field = "growth", .low = 0, .message = "Enter the estimated interest rate your retirement funds will grow at." },
    { .field = "inflation",
        .low = 0,
        .message = "Enter an estimated inflation rate, greater than 0. OK to use decimals but no % sign (ex: 2.5% = "
                   "2.5)." },
};
inline constexpr FieldCheck retirementPlan[] = {
    { .field = "assets",
        .low = 0,
        .message = "You must enter a valid number value for your current retirement assets, without $ or commas. If "
                   "you have nothing, enter 0." },
};

} // namespace calculators::checks
