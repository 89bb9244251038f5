#include "ExtraPaymentsChecks.h"

#include "CalendarDays.h"
#include "FinanceErrors.h"
#include "MessageTemplate.h"
#include "NumberEntry.h"

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace calculators {

namespace {

namespace field = plannerFields;

// The limits in the units the texts show them: percent, years, whole money.
constexpr std::int32_t highestRatePercent = static_cast<std::int32_t>(highestPlanRate / 10000);
constexpr std::int32_t largestAmount = static_cast<std::int32_t>(largestPlanAmount / 100);
constexpr auto mostOneTime = static_cast<std::int32_t>(mostOneTimeExtras);

// The text's value in units of 10^-decimals within [low, high]; nothing when it does not convert, has more
// decimals or lies outside.
std::optional<std::int64_t> fixedPoint(const std::string& text, int decimals, std::int64_t low, std::int64_t high,
    const finance::RegionalSettings& settings)
{
    try {
        const auto value = finance::fixedPointEntry(text, decimals, settings);
        if (value && *value >= low && *value <= high)
            return value;
    } catch (const finance::EConvertError&) { }
    return std::nullopt;
}

std::optional<std::int32_t> whole(const std::string& text, std::int64_t low, std::int64_t high)
{
    try {
        const std::int32_t value = finance::wholeNumberEntry(text);
        if (value >= low && value <= high)
            return value;
    } catch (const finance::EConvertError&) { }
    return std::nullopt;
}

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

// The warning of a money field: what it takes, the decimal separator of the regional settings (a "6.5" typed
// under comma settings is refused), and that it is typed without the currency symbol.
std::string moneyMessage(const std::string& fieldName, const finance::RegionalSettings& settings)
{
    return finance::formatMessage("The %s must be 0 or more, at most %d with at most 2 decimals after a \"%s\", "
                                  "entered without %s or thousands separators.",
        { fieldName, largestAmount, settings.decimalSeparator, settings.currencySymbol }, settings);
}

// Reads one field after another; the first that fails is remembered and every later read is skipped.
class FieldReader
{
public:
    explicit FieldReader(const finance::RegionalSettings& settings)
        : settings(settings)
    { }

    // A blank field is 0 when it may be left empty.
    std::int64_t money(const std::string& text, bool optional, Cents low, std::string_view field,
        const std::string& message, std::optional<TableCell> cell = {})
    {
        if (failure)
            return 0;
        if (optional && isBlank(text))
            return 0;
        const auto value = fixedPoint(text, 2, low, largestPlanAmount, settings);
        if (!value)
            fail(field, message, cell);
        return value.value_or(0);
    }

    std::int64_t rate(const std::string& text, const std::string& message)
    {
        if (failure)
            return 0;
        const auto value = fixedPoint(text, 4, 0, highestPlanRate, settings);
        if (!value)
            fail(field::rate, message);
        return value.value_or(0);
    }

    std::int32_t count(const std::string& text, std::int64_t low, std::int64_t high, std::int32_t whenBlank,
        std::string_view field, const std::string& message, std::optional<TableCell> cell = {})
    {
        if (failure)
            return 0;
        if (whenBlank >= 0 && isBlank(text))
            return whenBlank;
        const auto value = whole(text, low, high);
        if (!value)
            fail(field, message, cell);
        return value.value_or(0);
    }

    void check(bool passes, std::string_view field, const std::string& message, std::optional<TableCell> cell = {})
    {
        if (!failure && !passes)
            fail(field, message, cell);
    }

    std::optional<FieldFailure> failure;

private:
    void fail(std::string_view field, const std::string& message, std::optional<TableCell> cell = {})
    {
        failure = FieldFailure { field, cell, message };
    }

    const finance::RegionalSettings& settings;
};

constexpr std::int32_t noDefault = -1;

} // namespace

std::variant<ExtraPaymentsInput, FieldFailure> readExtraPaymentsTexts(
    const ExtraPaymentsTexts& texts, const finance::RegionalSettings& settings)
{
    const auto message = [&settings](const char* text, std::initializer_list<finance::MessageArgument> arguments) {
        return finance::formatMessage(text, arguments, settings);
    };
    FieldReader read(settings);
    ExtraPaymentsInput input;
    input.rateTenThousandths = read.rate(texts.rate,
        message("The interest rate must be between 0 and %d percent, with at most 4 decimals after a \"%s\" and "
                "without a percent sign.",
            { highestRatePercent, settings.decimalSeparator }));
    input.years = read.count(texts.years, 1, longestPlanYears, noDefault, field::years,
        message("The number of years must be a whole number between 1 and %d.", { longestPlanYears }));
    input.amount = read.money(texts.amount, false, 1, field::amount,
        message("The loan amount must be between %s and %d with at most 2 decimals after a \"%s\", entered "
                "without %s or thousands separators.",
            { "0" + settings.decimalSeparator + "01", largestAmount, settings.decimalSeparator,
                settings.currencySymbol }));
    const finance::CivilDate& first = texts.firstPaymentDate;
    read.check(finance::isValidDate(first) && first.year >= earliestPlanYear && first.year <= latestPlanYear,
        field::firstPayment,
        message("The first payment date must be a day of the calendar in the years %d to %d.",
            { earliestPlanYear, latestPlanYear }));
    input.firstPaymentDate = first;
    if (read.failure)
        return *read.failure;

    const std::int32_t months = input.years * 12;
    input.monthlyExtra
        = read.money(texts.monthlyExtra, true, 0, field::monthlyExtra, moneyMessage("monthly extra payment", settings));
    input.monthlyFrom = read.count(texts.monthlyFrom, 1, months, 1, field::monthlyFrom,
        message("The first payment with the monthly extra must be a whole number from 1 to %d.", { months }));
    if (!read.failure)
        input.monthlyThrough = read.count(texts.monthlyThrough, input.monthlyFrom, months, 0, field::monthlyThrough,
            message("The last payment with the monthly extra must be empty (to the end) or a whole number from %d to "
                    "%d.",
                { input.monthlyFrom, months }));
    input.yearlyExtra
        = read.money(texts.yearlyExtra, true, 0, field::yearlyExtra, moneyMessage("yearly extra payment", settings));
    read.check(texts.yearlyMonth >= 1 && texts.yearlyMonth <= 12, field::yearlyMonth,
        "The month of the yearly extra payment must be from 1 to 12.");
    input.yearlyMonth = texts.yearlyMonth;
    const int lastYear = planPaymentDate(first, months).year;
    input.yearlyFromYear = read.count(texts.yearlyFromYear, first.year, lastYear, first.year, field::yearlyFrom,
        message("The first year of the yearly extra payment must be a whole number from %d to %d.",
            { std::int32_t { first.year }, std::int32_t { lastYear } }));

    int row = 0;
    for (const ExtraPaymentsTexts::OneTimeRow& oneTime : texts.oneTimeRows) {
        if (!isBlank(oneTime.paymentNumber) || !isBlank(oneTime.amount)) {
            OneTimeExtra extra;
            extra.paymentNumber = read.count(oneTime.paymentNumber, 1, months, noDefault, field::oneTime,
                message(
                    "The payment number in row %d of the one-time extra payments must be a whole number from 1 to %d.",
                    { row + 1, months }),
                TableCell { row, 0 });
            // A row with a payment number but no amount is refused, not taken for an extra of 0.
            extra.amount = read.money(oneTime.amount, false, 0, field::oneTime,
                moneyMessage("amount in row " + std::to_string(row + 1) + " of the one-time extra payments", settings),
                TableCell { row, 1 });
            input.oneTimeExtras.push_back(extra);
        }
        ++row;
    }
    read.check(input.oneTimeExtras.size() <= mostOneTimeExtras, field::oneTime, tooManyOneTimeExtrasMessage(),
        TableCell { 0, 0 });
    input.everyTwoWeeks = texts.everyTwoWeeks;
    if (read.failure)
        return *read.failure;
    return input;
}

std::string tooManyOneTimeExtrasMessage()
{
    return "There can be at most " + std::to_string(mostOneTime) + " one-time extra payments.";
}

std::string plannerAcceptedText(std::string_view name)
{
    const auto text = [](const char* pattern, std::initializer_list<finance::MessageArgument> arguments) {
        return finance::formatMessage(pattern, arguments, finance::RegionalSettings {});
    };
    if (name == field::rate)
        return text("0 to %d, at most 4 decimals", { highestRatePercent });
    if (name == field::years)
        return text("a whole number from 1 to %d", { longestPlanYears });
    if (name == field::amount)
        return text("0.01 to %d, at most 2 decimals", { largestAmount });
    if (name == field::firstPayment)
        return text(
            "%d-01-01 to %d-12-31; the first of next month when left out", { earliestPlanYear, latestPlanYear });
    if (name == field::monthlyExtra || name == field::yearlyExtra)
        return text("0 to %d, at most 2 decimals; none when left out", { largestAmount });
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
