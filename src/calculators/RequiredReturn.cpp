#include "calculators/RequiredReturn.h"

#include "calculators/Checks.h"
#include "calculators/fields/FieldReader.h"
#include "finance/CheckedMath.h"
#include "finance/Percent.h"
#include "finance/PowerLog.h"
#include "regional/Formats.h"

namespace calculators {

std::variant<RequiredReturnInput, FieldFailure> readRequiredReturn(
    const FieldTexts& texts, const regional::RegionalSettings& settings)
{
    using Input = RequiredReturnInput;
    return readInput<Input>(checks::requiredReturn,
        { { "current", &Input::currentValue }, { "desired", &Input::desiredValue }, { "years", &Input::years } }, texts,
        settings);
}

Extended requiredAnnualReturn(Extended currentValue, Extended desiredValue, std::int32_t years)
{
    using finance::checked::divide;
    const Extended growth = divide(desiredValue, currentValue);
    return finance::checked::result(finance::RaiseToReal(growth, divide(1, years)) - 1);
}

std::string requiredReturnSentence(Extended annualReturn, const regional::RegionalSettings& settings)
{
    const Extended percentage = finance::checked::result(finance::percentageOf(annualReturn));
    return "Requires " + regional::fixedText(percentage, 2, settings) + " average percent return each year.";
}

} // namespace calculators
