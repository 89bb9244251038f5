#pragma once

#include <climits>
#include <string>
#include <string_view>

namespace finance {

// The user's regional settings, read once at start-up and passed to every format and number entry.
// The member defaults are the United States English values.
struct RegionalSettings
{
    std::string currencySymbol = "$";
    // 0 = $1, 1 = 1$, 2 = $ 1, 3 = 1 $
    int positiveCurrencyForm = 0;
    // 0 ($1)  1 -$1  2 $-1  3 $1-  4 (1$)  5 -1$  6 1-$  7 1$-
    // 8 -1 $  9 -$ 1  10 1 $-  11 $ 1-  12 $ -1  13 1- $  14 ($ 1)  15 (1 $)
    int negativeCurrencyForm = 0;
    std::string thousandsSeparator = ",";
    std::string decimalSeparator = ".";
    int moneyDecimals = 2;
    // Tokens d, dd, m, mm, yy, yyyy; any other character stands for itself.
    std::string shortDateFormat = "m/d/yy";

    bool operator==(const RegionalSettings&) const = default;
};

// What a C library locale says, as in struct lconv (CHAR_MAX for a value the locale leaves unspecified) plus the
// strftime date format of nl_langinfo(D_FMT); strings are UTF-8.
struct LocaleConventions
{
    std::string currencySymbol;
    std::string decimalPoint;
    std::string thousandsSeparator;
    std::string monetaryDecimalPoint;
    std::string monetaryThousandsSeparator;
    int fracDigits = CHAR_MAX;
    int pCsPrecedes = CHAR_MAX;
    int pSepBySpace = CHAR_MAX;
    int nCsPrecedes = CHAR_MAX;
    int nSepBySpace = CHAR_MAX;
    int nSignPosn = CHAR_MAX;
    std::string dateFormat;
};

// Maps a locale's conventions onto the settings: the sign and symbol placement onto the nearest of the 4 positive
// and 16 negative forms, an empty numeric thousands separator onto the monetary one. Conventions without monetary
// data (empty symbol, p_cs_precedes unspecified, as in C and POSIX) give the United States English values.
RegionalSettings regionalSettingsFrom(const LocaleConventions& conventions);

// A strftime date format ("%d.%m.%Y") as a short date format ("dd.mm.yyyy"); "m/d/yy" when it cannot be expressed.
std::string shortDateFormatFromStrftime(std::string_view strftimeFormat);

// The settings of the process environment's locale (LANG, LC_ALL, LC_MONETARY, ...). A locale without
// monetary data (C, POSIX) gives the United States English values.
RegionalSettings systemRegionalSettings();

} // namespace finance
