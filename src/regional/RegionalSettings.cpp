#include "regional/RegionalSettings.h"

#include <cstddef>
#include <cstdint>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

namespace regional {

namespace {

int symbolFirstOr(int value, int fallback)
{
    return value == 0 || value == 1 ? value : fallback;
}

int separationOr(int value, int fallback)
{
    return value >= 0 && value <= 2 ? value : fallback;
}

// 0 = $1, 1 = 1$, 2 = $ 1, 3 = 1 $
int positiveForm(bool symbolFirst, bool space)
{
    if (symbolFirst)
        return space ? 2 : 0;
    return space ? 3 : 1;
}

// sign position: 0 parentheses, 1 sign before amount and symbol, 2 sign after both, 3 sign just before the
// symbol, 4 sign just after it. Positions 3 and 4 have no form of their own where the symbol is on the
// outside, so they take the form of the sign on the same side.
int negativeForm(bool symbolFirst, bool space, int signPosition)
{
    struct FormPair
    {
        int tight;
        int spaced;
    };
    static constexpr FormPair symbolFirstForms[5] = { { 0, 14 }, { 1, 9 }, { 3, 11 }, { 1, 9 }, { 2, 12 } };
    static constexpr FormPair symbolAfterForms[5] = { { 4, 15 }, { 5, 8 }, { 7, 10 }, { 6, 13 }, { 7, 10 } };
    const FormPair& pair = (symbolFirst ? symbolFirstForms : symbolAfterForms)[signPosition];
    return space ? pair.spaced : pair.tight;
}

bool isAscii(const std::string& text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isUtf8Codeset(const std::string& codeset)
{
    return codeset == "UTF-8" || codeset == "utf-8" || codeset == "UTF8" || codeset == "utf8";
}

// Locale strings come in the locale's own character set; the settings are UTF-8. A string that cannot be
// converted keeps its ASCII characters only, so no invalid UTF-8 ever reaches a label.
std::string toUtf8(const char* raw, const std::string& codeset)
{
    std::string text = raw != nullptr ? raw : "";
    if (isAscii(text) || isUtf8Codeset(codeset))
        return text;
    std::string converted;
    iconv_t descriptor = iconv_open("UTF-8", codeset.c_str());
    // iconv_open reports failure as (iconv_t)-1: the cast is its interface, not a pointer we make.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    if (descriptor != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
        std::string buffer(text.size() * 4 + 4, '\0');
        char* in = text.data();
        std::size_t inLeft = text.size();
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        if (iconv(descriptor, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0)
            converted.assign(buffer.data(), buffer.size() - outLeft);
        iconv_close(descriptor);
        if (!converted.empty())
            return converted;
    }
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x80)
            converted += c;
    }
    return converted;
}

// nl_langinfo gives the lconv char values as the first byte of a string; glibc stores "unspecified" as -1,
// which localeconv() reports as CHAR_MAX.
int langinfoChar(nl_item item, locale_t locale)
{
    const char* value = nl_langinfo_l(item, locale);
    if (value == nullptr)
        return CHAR_MAX;
    const auto byte = static_cast<signed char>(value[0]);
    return byte < 0 ? CHAR_MAX : byte;
}

LocaleConventions conventionsOf(locale_t locale)
{
    const std::string codeset = nl_langinfo_l(CODESET, locale);
    LocaleConventions c;
    c.currencySymbol = toUtf8(nl_langinfo_l(CURRENCY_SYMBOL, locale), codeset);
    c.decimalPoint = toUtf8(nl_langinfo_l(RADIXCHAR, locale), codeset);
    c.thousandsSeparator = toUtf8(nl_langinfo_l(THOUSEP, locale), codeset);
    c.monetaryDecimalPoint = toUtf8(nl_langinfo_l(MON_DECIMAL_POINT, locale), codeset);
    c.monetaryThousandsSeparator = toUtf8(nl_langinfo_l(MON_THOUSANDS_SEP, locale), codeset);
    c.fracDigits = langinfoChar(FRAC_DIGITS, locale);
    c.pCsPrecedes = langinfoChar(P_CS_PRECEDES, locale);
    c.pSepBySpace = langinfoChar(P_SEP_BY_SPACE, locale);
    c.nCsPrecedes = langinfoChar(N_CS_PRECEDES, locale);
    c.nSepBySpace = langinfoChar(N_SEP_BY_SPACE, locale);
    c.nSignPosn = langinfoChar(N_SIGN_POSN, locale);
    c.dateFormat = toUtf8(nl_langinfo_l(D_FMT, locale), codeset);
    static constexpr nl_item months[12]
        = { MON_1, MON_2, MON_3, MON_4, MON_5, MON_6, MON_7, MON_8, MON_9, MON_10, MON_11, MON_12 };
    static constexpr nl_item abbreviatedMonths[12] = { ABMON_1, ABMON_2, ABMON_3, ABMON_4, ABMON_5, ABMON_6, ABMON_7,
        ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12 };
    static constexpr nl_item days[7] = { DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7 };
    static constexpr nl_item abbreviatedDays[7] = { ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7 };
    for (std::size_t i = 0; i < 12; ++i) {
        c.dateNames.months[i] = toUtf8(nl_langinfo_l(months[i], locale), codeset);
        c.dateNames.abbreviatedMonths[i] = toUtf8(nl_langinfo_l(abbreviatedMonths[i], locale), codeset);
    }
    for (std::size_t i = 0; i < 7; ++i) {
        c.dateNames.days[i] = toUtf8(nl_langinfo_l(days[i], locale), codeset);
        c.dateNames.abbreviatedDays[i] = toUtf8(nl_langinfo_l(abbreviatedDays[i], locale), codeset);
    }
    return c;
}

// One strftime conversion as short date tokens; empty when it is no part of a date.
std::string dateTokenFor(char conversion, bool unpadded)
{
    switch (conversion) {
    case 'a':
        return "ddd";
    case 'A':
        return "dddd";
    case 'b':
    case 'h':
        return "mmm";
    case 'B':
        return "mmmm";
    case 'd':
        return unpadded ? "d" : "dd";
    case 'e':
        return "d";
    case 'm':
        return unpadded ? "m" : "mm";
    case 'y':
        return "yy";
    case 'Y':
        return "yyyy";
    case 'D':
        return "mm/dd/yy";
    case 'F':
        return "yyyy-mm-dd";
    case '%':
        return "%";
    case 'n':
        return " ";
    case 't':
        return "\t";
    default:
        return {};
    }
}

template <std::size_t Count>
void keepNamesGiven(std::array<std::string, Count>& names, const std::array<std::string, Count>& given)
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (!given[i].empty())
            names[i] = given[i];
    }
}

} // namespace

std::string shortDateFormatFromStrftime(std::string_view strftimeFormat)
{
    static constexpr const char* fallback = "m/d/yy";
    std::string result;
    std::size_t i = 0;
    while (i < strftimeFormat.size()) {
        const char c = strftimeFormat[i++];
        if (c != '%') {
            // Letters that would read as tokens are quoted.
            const char lower = static_cast<char>(c | 0x20);
            if (c == '\'')
                result += "''";
            else if (lower == 'd' || lower == 'm' || lower == 'y')
                result += std::string { '\'', c, '\'' };
            else
                result += c;
            continue;
        }
        // glibc flags, field width and the E/O modifiers change padding or numerals only.
        bool unpadded = false;
        while (i < strftimeFormat.size() && std::string_view("-_0^#").find(strftimeFormat[i]) != std::string_view::npos)
            unpadded = unpadded || strftimeFormat[i++] == '-';
        while (i < strftimeFormat.size() && strftimeFormat[i] >= '0' && strftimeFormat[i] <= '9')
            ++i;
        if (i < strftimeFormat.size() && (strftimeFormat[i] == 'E' || strftimeFormat[i] == 'O'))
            ++i;
        if (i >= strftimeFormat.size())
            return fallback;
        const char conversion = strftimeFormat[i++];
        // The century followed by the year in it is the four-digit year.
        if (conversion == 'C') {
            const std::size_t year = strftimeFormat.find('y', i);
            if (year == std::string_view::npos
                || strftimeFormat.substr(i, year - i).find_first_not_of("%EO") != std::string_view::npos)
                return fallback;
            result += "yyyy";
            i = year + 1;
            continue;
        }
        const std::string token = dateTokenFor(conversion, unpadded);
        if (token.empty())
            return fallback;
        result += token;
    }
    return result.empty() ? fallback : result;
}

RegionalSettings regionalSettingsFrom(const LocaleConventions& conventions)
{
    if (conventions.currencySymbol.empty() && conventions.pCsPrecedes == CHAR_MAX)
        return RegionalSettings {};

    RegionalSettings settings;
    settings.currencySymbol = conventions.currencySymbol;

    const int pSymbolFirst = symbolFirstOr(conventions.pCsPrecedes, 1);
    const int pSeparation = separationOr(conventions.pSepBySpace, 0);
    const int nSymbolFirst = symbolFirstOr(conventions.nCsPrecedes, pSymbolFirst);
    const int nSeparation = separationOr(conventions.nSepBySpace, pSeparation);
    const int signPosition = conventions.nSignPosn >= 0 && conventions.nSignPosn <= 4 ? conventions.nSignPosn : 1;
    settings.positiveCurrencyForm = positiveForm(pSymbolFirst == 1, pSeparation != 0);
    settings.negativeCurrencyForm = negativeForm(nSymbolFirst == 1, nSeparation != 0, signPosition);

    if (!conventions.decimalPoint.empty())
        settings.decimalSeparator = conventions.decimalPoint;
    else if (!conventions.monetaryDecimalPoint.empty())
        settings.decimalSeparator = conventions.monetaryDecimalPoint;
    settings.thousandsSeparator = !conventions.thousandsSeparator.empty() ? conventions.thousandsSeparator
                                                                          : conventions.monetaryThousandsSeparator;
    settings.moneyDecimals = conventions.fracDigits >= 0 && conventions.fracDigits <= 9 ? conventions.fracDigits : 2;
    settings.shortDateFormat = shortDateFormatFromStrftime(conventions.dateFormat);
    keepNamesGiven(settings.dateNames.months, conventions.dateNames.months);
    keepNamesGiven(settings.dateNames.abbreviatedMonths, conventions.dateNames.abbreviatedMonths);
    keepNamesGiven(settings.dateNames.days, conventions.dateNames.days);
    keepNamesGiven(settings.dateNames.abbreviatedDays, conventions.dateNames.abbreviatedDays);
    return settings;
}

std::optional<RegionalSettings> localeRegionalSettings(const char* name)
{
    // A locale object of its own: the process's global locale (which Qt sets) is neither read nor changed.
    locale_t locale = newlocale(LC_ALL_MASK, name, locale_t {});
    if (locale == locale_t {})
        return std::nullopt;
    const LocaleConventions conventions = conventionsOf(locale);
    freelocale(locale);
    return regionalSettingsFrom(conventions);
}

RegionalSettings systemRegionalSettings()
{
    if (auto settings = localeRegionalSettings(""))
        return *settings;
    return localeRegionalSettings("C").value_or(RegionalSettings {});
}

} // namespace regional
