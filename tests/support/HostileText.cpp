#include "HostileText.h"

#include <array>
#include <cstddef>

namespace {

int below(std::mt19937& random, int bound)
{
    return std::uniform_int_distribution<int>(0, bound - 1)(random);
}

QString digits(std::mt19937& random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text.append(QChar(u'0' + below(random, 10)));
    return text;
}

// A number of the kind the fields expect: small whole numbers, rates, amounts.
QString plausibleNumber(std::mt19937& random)
{
    switch (below(random, 4)) {
    case 0:
        return QString::number(below(random, 61));
    case 1:
        return QString::number(below(random, 30)) + u'.' + digits(random, 1 + below(random, 3));
    case 2:
        return QString::number(1000 * (1 + below(random, 500)));
    default:
        return digits(random, 1 + below(random, 7));
    }
}

const std::array fixedTexts {
    u"",
    u" ",
    u"   ",
    u"\t",
    u"\t7",
    u"7\t",
    u"-",
    u"+",
    u"+-1",
    u"--1",
    u".",
    u",",
    u"-.",
    u"e",
    u"E5",
    u"1e",
    u"1e-",
    u"1e+",
    u"1e4000",
    u"-1e4000",
    u"1e-4000",
    u"1E308",
    u"1e4932",
    u"1e-4950",
    u"1e499",
    u"1e500",
    u"9e9999999999",
    u"NaN",
    u"nan",
    u"-nan",
    u"inf",
    u"-INF",
    u"Infinity",
    u"0x1p3",
    u"1,000",
    u"100,000.00",
    u"$100",
    u"$1F",
    u"$7FFFFFFF",
    u"$80000000",
    u"$FFFFFFFF",
    u"$",
    u"$-1",
    u"7%",
    u"\u20ac5",
    u"\u00a35",
    u"2147483647",
    u"2147483648",
    u"-2147483648",
    u"-2147483649",
    u"0",
    u"-0",
    u"0.0",
    u"00000000000000000007",
    u"1.7976931348623157e308",
    u"4.9e-324",
    u"0.000000000000000001",
    u"99999999999999999999",
    u"1 000",
    u"\u0663",
    u"\uff11\uff12",
    u"\u00fc",
    u"\U0001F600",
    u"\u200b7",
    u"7\u00a0",
    u"\u202e12",
    u"1_000",
    u"%s%n%d%m",
    u"'",
    u"\"",
    u"\\",
    u"12abc",
    u"abc",
};

QString atom(std::mt19937& random)
{
    switch (below(random, 10)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return plausibleNumber(random);
    case 4:
        // Signs and exponents around a plausible number.
        return QString::fromLatin1(below(random, 2) ? "-" : "+") + plausibleNumber(random) + u'e'
            + QString::number(below(random, 9000) - 4500);
    case 5:
        // Very long texts: 10,000 characters of digits, of zeros after a one, or of blanks.
        switch (below(random, 3)) {
        case 0:
            return QString(10000, u'9');
        case 1:
            return u'1' + QString(9999, u'0');
        default:
            return QString(10000, u' ');
        }
    default: {
        const auto chosen = fixedTexts[std::size_t(below(random, int(fixedTexts.size())))];
        return QString::fromUtf16(chosen);
    }
    }
}

} // namespace

QString hostileText(std::mt19937& random)
{
    QString text = atom(random);
    const int shape = below(random, 8);
    if (shape == 0)
        text += atom(random);
    else if (shape == 1)
        text = QString(below(random, 4), u' ') + text + QString(below(random, 3), u' ');
    return text;
}
