#include "calculators/fields/FieldCheck.h"

#include "regional/Formats.h"

#include <cmath>

namespace calculators {

namespace {

std::string numberText(Extended value)
{
    return regional::generalText(value, regional::RegionalSettings {});
}

} // namespace

std::string acceptedText(const FieldCheck& check)
{
    std::string text = check.reading == Reading::Decimal ? "" : "a whole number ";
    if (std::isfinite(check.low) && std::isfinite(check.high))
        text += numberText(check.low) + " to " + numberText(check.high);
    else if (std::isfinite(check.low))
        text += "at least " + numberText(check.low);
    if (!check.boundField.empty()) {
        if (std::isfinite(check.low))
            text += ", ";
        text += (check.boundIncluded ? "at least --" : "above --") + std::string(check.boundField);
    }
    if (text.empty())
        return "a number";
    if (text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace calculators
