#include "calculators/extrapayments/ExtraPaymentsReader.h"

#include "calculators/extrapayments/ExtraPaymentsRules.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CalendarDays.h"
#include "finance/FinanceErrors.h"
#include "regional/MessageTemplate.h"
#include "regional/NumberEntry.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>

namespace calculators {

namespace {

namespace field = plannerFields;

constexpr auto mostOneTime = static_cast<std::int32_t>(mostOneTimeExtras);

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

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

std::variant<ExtraPaymentsInput, FieldFailure> readExtraPaymentsTexts(
    const ExtraPaymentsTexts& texts, const regional::RegionalSettings& settings);

} // namespace

std::variant<ExtraPaymentsInput, FieldFailure> readExtraPayments(
    const FieldTexts& fields, const regional::RegionalSettings& settings)
{
    ExtraPaymentsTexts texts;
    texts.rate = fields.text(field::rate);
    texts.years = fields.text(field::years);
    texts.amount = fields.text(field::amount);
    const auto date = regional::isoDate(fields.text(field::firstPayment));
    if (!date)
        return FieldFailure { field::firstPayment, std::nullopt, std::string(firstPaymentFormMessage) };
    texts.firstPaymentDate = *date;
    texts.monthlyExtra = fields.text(field::monthlyExtra);
    texts.monthlyFrom = fields.text(field::monthlyFrom);
    texts.monthlyThrough = fields.text(field::monthlyThrough);
    texts.yearlyExtra = fields.text(field::yearlyExtra);
    const std::string& month = fields.text(field::yearlyMonth);
    if (month.empty()) {
        texts.yearlyMonth = date->month;
    } else {
        try {
            texts.yearlyMonth = regional::wholeNumberEntry(month);
        } catch (const finance::EConvertError&) {
            texts.yearlyMonth = 0; // refused with the month's own warning
        }
    }
    texts.yearlyFromYear = fields.text(field::yearlyFrom);
    for (const FieldTexts::Row& row : fields.rows(field::oneTime))
        texts.oneTimeRows.push_back({ cellText(row, oneTimeKeys::payment), cellText(row, oneTimeKeys::amount) });
    const std::string& everyTwoWeeks = fields.text(field::everyTwoWeeks);
    if (everyTwoWeeks != "" && everyTwoWeeks != "no" && everyTwoWeeks != "yes")
        return FieldFailure { field::everyTwoWeeks, std::nullopt,
            "Half payments every two weeks are chosen with yes or no." };
    texts.everyTwoWeeks = everyTwoWeeks == "yes";
    return readExtraPaymentsTexts(texts, settings);
}

namespace {

// The fields once gathered by name, read by the number-entry rules.
std::variant<ExtraPaymentsInput, FieldFailure> readExtraPaymentsTexts(
    const ExtraPaymentsTexts& texts, const regional::RegionalSettings& settings)
{
    const auto message = [&settings](const char* text, std::initializer_list<regional::MessageArgument> arguments) {
        return regional::formatMessage(text, arguments, settings);
    };
    FieldReader read(settings);
    ExtraPaymentsInput input;
    input.rateTenThousandths = read.exact(texts.rate, 4, 0, highestPlanRate, std::nullopt,
        { field::rate, std::nullopt,
            message("The interest rate must be between 0 and %d percent, with at most 4 decimals after a \"%s\" and "
                    "without a percent sign.",
                { highestPlanRatePercent, settings.decimalSeparator }) });
    input.years = read.whole(texts.years, 1, longestPlanYears, std::nullopt,
        { field::years, std::nullopt,
            message("The number of years must be a whole number between 1 and %d.", { longestPlanYears }) });
    input.amount = read.exact(texts.amount, 2, 1, largestPlanAmount, std::nullopt,
        { field::amount, std::nullopt, amountMessage("loan amount", settings) });
    const finance::CivilDate& first = texts.firstPaymentDate;
    requirePlanDate(read, first, field::firstPayment, settings);
    input.firstPaymentDate = first;
    if (read.failure())
        return *read.failure();

    const std::int32_t months = input.years * 12;
    // Money left empty is no extra; a payment range or year left empty runs from the start or to the end.
    input.monthlyExtra = read.exact(texts.monthlyExtra, 2, 0, largestPlanAmount, 0,
        { field::monthlyExtra, std::nullopt, moneyMessage("monthly extra payment", settings) });
    input.monthlyFrom = read.whole(texts.monthlyFrom, 1, months, 1,
        { field::monthlyFrom, std::nullopt,
            message("The first payment with the monthly extra must be a whole number from 1 to %d.", { months }) });
    if (!read.failure())
        input.monthlyThrough = read.whole(texts.monthlyThrough, input.monthlyFrom, months, 0,
            { field::monthlyThrough, std::nullopt,
                message("The last payment with the monthly extra must be empty (to the end) or a whole number from "
                        "%d to %d.",
                    { input.monthlyFrom, months }) });
    input.yearlyExtra = read.exact(texts.yearlyExtra, 2, 0, largestPlanAmount, 0,
        { field::yearlyExtra, std::nullopt, moneyMessage("yearly extra payment", settings) });
    read.require(texts.yearlyMonth >= 1 && texts.yearlyMonth <= 12,
        { field::yearlyMonth, std::nullopt, "The month of the yearly extra payment must be from 1 to 12." });
    input.yearlyMonth = texts.yearlyMonth;
    const int lastYear = planPaymentDate(first, months).year;
    input.yearlyFromYear = read.whole(texts.yearlyFromYear, first.year, lastYear, first.year,
        { field::yearlyFrom, std::nullopt,
            message("The first year of the yearly extra payment must be a whole number from %d to %d.",
                { std::int32_t { first.year }, std::int32_t { lastYear } }) });

    int row = 0;
    for (const ExtraPaymentsTexts::OneTimeRow& oneTime : texts.oneTimeRows) {
        if (!isBlank(oneTime.paymentNumber) || !isBlank(oneTime.amount)) {
            OneTimeExtra extra;
            extra.paymentNumber = read.whole(oneTime.paymentNumber, 1, months, std::nullopt,
                { field::oneTime, TableCell { row, 0 },
                    message("The payment number in row %d of the one-time extra payments must be a whole number "
                            "from 1 to %d.",
                        { row + 1, months }) });
            // A row with a payment number but no amount is refused, not taken for an extra of 0.
            extra.amount = read.exact(oneTime.amount, 2, 0, largestPlanAmount, std::nullopt,
                { field::oneTime, TableCell { row, 1 },
                    moneyMessage(
                        "amount in row " + std::to_string(row + 1) + " of the one-time extra payments", settings) });
            input.oneTimeExtras.push_back(extra);
        }
        ++row;
    }
    read.require(input.oneTimeExtras.size() <= mostOneTimeExtras,
        { field::oneTime, TableCell { 0, 0 }, tooManyOneTimeExtrasMessage() });
    input.everyTwoWeeks = texts.everyTwoWeeks;
    if (read.failure())
        return *read.failure();
    return input;
}

} // namespace

std::string tooManyOneTimeExtrasMessage()
{
    return "There can be at most " + std::to_string(mostOneTime) + " one-time extra payments.";
}

std::vector<CsvInput> plannerInputsAsTyped(const FieldTexts& texts)
{
    const std::pair<std::string_view, const char*> captions[] = { { field::rate, "Interest rate (%)" },
        { field::years, "Years" }, { field::amount, "Loan amount" }, { field::firstPayment, "First payment" },
        { field::monthlyExtra, "Extra each month" }, { field::monthlyFrom, "From payment" },
        { field::monthlyThrough, "Through payment" }, { field::yearlyExtra, "Extra each year" },
        { field::yearlyMonth, "Paid in" }, { field::yearlyFrom, "From year" } };
    std::vector<CsvInput> inputs;
    for (const auto& [name, caption] : captions)
        inputs.push_back({ caption, texts.text(name) });
    for (const FieldTexts::Row& row : texts.rows(field::oneTime)) {
        inputs.push_back({ "One-time extra payment no.", cellText(row, oneTimeKeys::payment) });
        inputs.push_back({ "One-time extra amount", cellText(row, oneTimeKeys::amount) });
    }
    inputs.push_back({ "Pay half the payment every two weeks", texts.text(field::everyTwoWeeks) });
    return inputs;
}

std::string plannerAcceptedText(std::string_view name)
{
    const auto text = [](const char* pattern, std::initializer_list<regional::MessageArgument> arguments) {
        return regional::formatMessage(pattern, arguments, regional::RegionalSettings {});
    };
    if (name == field::rate)
        return text("0 to %d, at most 4 decimals", { highestPlanRatePercent });
    if (name == field::years)
        return text("a whole number from 1 to %d", { longestPlanYears });
    if (name == field::amount)
        return text("0.01 to %d, at most 2 decimals", { largestPlanMoney });
    if (name == field::firstPayment)
        return text(
            "%d-01-01 to %d-12-31; the first of next month when left out", { earliestPlanYear, latestPlanYear });
    if (name == field::monthlyExtra || name == field::yearlyExtra)
        return text("0 to %d, at most 2 decimals; none when left out", { largestPlanMoney });
    if (name == field::monthlyFrom)
        return "a payment number; 1 when left out";
    if (name == field::monthlyThrough)
        return "a payment number; the last when left out";
    if (name == field::yearlyMonth)
        return "1 (January) to 12; the first payment's month when left out";
    if (name == field::yearlyFrom)
        return "a year of the loan; the first payment's when left out";
    if (name == field::oneTime)
        return text("at most %d, the rows in the order given; two on one payment add up", { mostOneTime });
    if (name == field::everyTwoWeeks)
        return "yes or no";
    return "a number";
}

} // namespace calculators
