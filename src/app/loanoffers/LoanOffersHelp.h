#pragma once

#include "regional/RegionalSettings.h"

#include <QString>
#include <string_view>

namespace app {

// What a field of the loan offers window holds and where a buyer finds it on a lender's Loan Estimate, then what
// the field accepts, limits written in the regional formats. The field is named as the command line names it: a
// purchase option ("price", "keep") or an offer's key ("rate", "mi").
QString compareOffersHelp(std::string_view field, const regional::RegionalSettings& settings);

// What a figure of the comparison grid is, by its name for programs ("apr", "costInYearsKept"); empty for none.
QString comparisonFigureHelp(std::string_view figure);

} // namespace app
