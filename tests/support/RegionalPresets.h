#pragma once

#include "regional/RegionalSettings.h"

// Regional settings for the tests of every layer, without Qt.

// United States English: the defaults, as on a computer without regional settings.
inline regional::RegionalSettings unitedStatesSettings()
{
    return {};
}

// A euro locale with comma decimals, as in Germany: 1.234,50 €, -1.234,50 € and 08.12.2026.
inline regional::RegionalSettings euroSettings()
{
    regional::RegionalSettings settings;
    settings.currencySymbol = "€";
    settings.positiveCurrencyForm = 3;
    settings.negativeCurrencyForm = 8;
    settings.thousandsSeparator = ".";
    settings.decimalSeparator = ",";
    settings.shortDateFormat = "dd.mm.yyyy";
    return settings;
}
