#pragma once

#include "RegionalPresets.h"
#include "fields/Regional.h"

// Regional settings installed into the program for one test; the United States ones come back however the test
// ends.
class ScopedRegionalSettings final
{
public:
    explicit ScopedRegionalSettings(const regional::RegionalSettings& settings)
    {
        app::installRegionalSettings(settings);
    }
    ~ScopedRegionalSettings() { app::installRegionalSettings(unitedStatesSettings()); }
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;
};
