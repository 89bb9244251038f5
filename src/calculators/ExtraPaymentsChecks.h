#pragma once

#include "ExtraPaymentsPlan.h"
#include "RegionalSettings.h"

#include <string>
#include <variant>
#include <vector>

namespace calculators {

// The planner's fields as typed. An empty extra is none; an empty first payment of the monthly extra is
// payment 1, an empty last one the end of the loan, an empty first year of the yearly extra the first
// payment's year. A one-time row with both texts empty is skipped; one with only one of them is refused.
struct ExtraPaymentsTexts
{
    std::string rate;
    std::string years;
    std::string amount;
    finance::CivilDate firstPaymentDate { 2027, 1, 1 };
    std::string monthlyExtra;
    std::string monthlyFrom;
    std::string monthlyThrough;
    std::string yearlyExtra;
    int yearlyMonth = 1;
    std::string yearlyFromYear;
    struct OneTimeRow
    {
        std::string paymentNumber;
        std::string amount;
    };
    std::vector<OneTimeRow> oneTimeRows;
    bool everyTwoWeeks = false;
};

enum class ExtraPaymentsField {
    Rate,
    Years,
    Amount,
    FirstPaymentDate,
    MonthlyExtra,
    MonthlyFrom,
    MonthlyThrough,
    YearlyExtra,
    YearlyMonth,
    YearlyFromYear,
    OneTimePaymentNumber, // of the row named by the failure
    OneTimeAmount,
};

// The first field that fails its check, in the order above, and the warning that says what it takes.
struct ExtraPaymentsFailure
{
    ExtraPaymentsField field = ExtraPaymentsField::Rate;
    int row = 0; // the one-time row, counted from 0
    std::string message;
};

// Reads the fields by the number-entry rules, exactly: a rate of at most 4 decimals, money of at most 2.
std::variant<ExtraPaymentsInput, ExtraPaymentsFailure> readExtraPaymentsTexts(
    const ExtraPaymentsTexts& texts, const finance::RegionalSettings& settings);

} // namespace calculators
