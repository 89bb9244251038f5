#pragma once

#include "regional/RegionalSettings.h"

#include <QString>
#include <string>

namespace app {

// The regional settings the program read at start-up; every window formats and reads numbers with them.
const regional::RegionalSettings& regional();
void installRegionalSettings(const regional::RegionalSettings& settings);

// A regional short date format ("m/d/yy") as a date field's display format ("M/d/yyyy"): the year always
// in four digits, since a field cannot tell which century two digits mean.
QString dateEditFormat(const std::string& shortDateFormat);

} // namespace app
