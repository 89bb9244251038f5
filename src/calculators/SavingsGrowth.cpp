#include "calculators/SavingsGrowth.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/Percent.h"
#include "finance/Real48.h"
#include "finance/TimeValue.h"
#include "regional/Formats.h"
#include "regional/NumberEntry.h"

namespace calculators {

namespace {

constexpr Extended oneTwelfth = 1.0L / 12.0L;
constexpr Extended oneFiftySecond = 1.0L / 52.0L;

// An amount that may be left empty.
Extended optionalAmount(const std::string& text, const regional::RegionalSettings& settings)
{
    return text.empty() ? 0 : regional::decimalNumberEntry(text, settings);
}

} // namespace

std::variant<SavingsGrowthInput, FieldFailure> readSavingsGrowth(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    auto read = readFields(checks::savingsGrowth, texts, settings);
    if (auto* failure = std::get_if<FieldFailure>(&read))
        return std::move(*failure);
    SavingsGrowthInput input;
    input.annualRatePercent = std::get<FieldValues>(read).decimal("rate");
    input.years = std::get<FieldValues>(read).whole("years");
    const std::string& every = texts.text("every");
    if (every == "month")
        input.frequency = ContributionFrequency::Monthly;
    else if (every == "week")
        input.frequency = ContributionFrequency::Weekly;
    else if (!every.empty() && every != "year")
        return FieldFailure { "every", std::nullopt, "The contribution is added every year, month or week." };
    input.contribution = optionalAmount(texts.text("contribution"), settings);
    input.currentAmount = optionalAmount(texts.text("current"), settings);
    return input;
}

Extended savingsFutureValue(const SavingsGrowthInput& input)
{
    // The annual percentage is multiplied by the fraction of a year first, then turned into a fraction.
    std::int32_t periods = input.years;
    Extended periodicPercent = input.annualRatePercent;
    switch (input.frequency) {
    case ContributionFrequency::Annually:
        break;
    case ContributionFrequency::Monthly:
        periods = finance::checked::multiply(input.years, 12);
        periodicPercent = input.annualRatePercent * oneTwelfth;
        break;
    case ContributionFrequency::Weekly:
        periods = finance::checked::multiply(input.years, 52);
        periodicPercent = input.annualRatePercent * oneFiftySecond;
        break;
    }
    const Extended rate = finance::checked::result(finance::fractionOf(periodicPercent));
    const Extended futureValue = finance::FutureValue(
        rate, periods, -input.contribution, -input.currentAmount, finance::PaymentTiming::EndOfPeriod);
    return finance::storedAsReal48(futureValue);
}

std::string savingsGrowthCaption(Extended futureValue, const regional::RegionalSettings& settings)
{
    return regional::moneyText(futureValue, settings) + " value in future";
}

} // namespace calculators
