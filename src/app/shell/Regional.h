#pragma once

#include "RegionalSettings.h"

namespace app {

// The regional settings the program read at start-up; every window formats and reads numbers with them.
const finance::RegionalSettings& regional();
void installRegionalSettings(const finance::RegionalSettings& settings);

} // namespace app
