#pragma once

#include "finance/RegionalSettings.h"

// Regional settings for the tests of every layer, without Qt.

// United States English: the defaults, as on a computer without regional settings.
inline finance::RegionalSettings unitedStatesSettings()
{
    return {};
}

// A euro locale with comma decimals, as in Germany: 1.234,50 €, -1.234,50 € and 08.12.2026.
inline finance::RegionalSettings euroSettings()
{
    finance::RegionalSettings settings;
    settings.currencySymbol = "€";
    settings.positiveCurrencyForm = 3;
    settings.negativeCurrencyForm = 8;
    settings.thousandsSeparator = ".";
    settings.decimalSeparator = ",";
    settings.shortDateFormat = "dd.mm.yyyy";
    return settings;
}
