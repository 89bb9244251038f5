#pragma once

#include "shell/Regional.h"

// Regional settings for one test: "€" after the amount with a blank, "." grouping and "," decimals, as in
// many European locales. The United States settings come back however the test ends.
class EuroSettings
{
public:
    EuroSettings()
    {
        finance::RegionalSettings euro;
        euro.currencySymbol = "€";
        euro.positiveCurrencyForm = 3;
        euro.thousandsSeparator = ".";
        euro.decimalSeparator = ",";
        app::installRegionalSettings(euro);
    }
    ~EuroSettings() { app::installRegionalSettings(finance::RegionalSettings {}); }
    EuroSettings(const EuroSettings&) = delete;
    EuroSettings& operator=(const EuroSettings&) = delete;
};
