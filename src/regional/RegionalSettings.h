#pragma once

#include <array>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace regional {

// The locale's own names of months (January first) and days (Sunday first), in full and abbreviated.
struct DateNames
{
    std::array<std::string, 12> months = { "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
    std::array<std::string, 12> abbreviatedMonths
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    std::array<std::string, 7> days = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    std::array<std::string, 7> abbreviatedDays = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };

    bool operator==(const DateNames&) const = default;
};

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
    // Tokens d, dd, ddd (day name, abbreviated), dddd (day name), m, mm, mmm (month name, abbreviated), mmmm
    // (month name), yy, yyyy; text in single quotes ('' for a quote) and any other character stand for themselves.
    std::string shortDateFormat = "m/d/yy";
    DateNames dateNames = {};

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
    DateNames dateNames; // an empty name keeps the English one
};

// Maps a locale's conventions onto the settings: the sign and symbol placement onto the nearest of the 4 positive
// and 16 negative forms, an empty numeric thousands separator onto the monetary one. Conventions without monetary
// data (empty symbol, p_cs_precedes unspecified, as in C and POSIX) give the United States English values.
RegionalSettings regionalSettingsFrom(const LocaleConventions& conventions);

// A strftime date format ("%d. %b %Y") as a short date format ("dd. mmm yyyy"); "m/d/yy" when there is none or
// it holds a conversion that is no part of a date.
std::string shortDateFormatFromStrftime(std::string_view strftimeFormat);

// The settings of the process environment's locale (LANG, LC_ALL, LC_MONETARY, ...). A locale without
// monetary data (C, POSIX) gives the United States English values.
RegionalSettings systemRegionalSettings();

// The settings of a named locale ("de_DE.UTF-8", "C"), or none when the C library has no such locale. An empty
// name is the environment's locale.
std::optional<RegionalSettings> localeRegionalSettings(const char* name);

} // namespace regional
