#include "fields/Regional.h"

#include <algorithm>

namespace app {
namespace {
regional::RegionalSettings installed;
}

const regional::RegionalSettings& regional()
{
    return installed;
}

void installRegionalSettings(const regional::RegionalSettings& settings)
{
    installed = settings;
}

} // namespace app

namespace app {

QString dateEditFormat(const std::string& shortDateFormat)
{
    const QString format = QString::fromStdString(shortDateFormat);
    QString qt;
    QString literal; // text Qt must take as it is, quoted at the next token
    const auto flushLiteral = [&] {
        if (literal.isEmpty())
            return;
        // Letters would read as Qt's own date and time tokens, so text holding any is quoted.
        const bool plain = std::ranges::none_of(literal, [](QChar c) { return c.isLetter() || c == u'\''; });
        qt += plain ? literal : u'\'' + QString(literal).replace(u'\'', QStringLiteral("''")) + u'\'';
        literal.clear();
    };
    for (qsizetype pos = 0; pos < format.size();) {
        const QChar c = format[pos];
        const QChar lower = c.toLower();
        if (c == u'\'') {
            // Quoted text, '' standing for a quote inside it or alone.
            for (++pos; pos < format.size(); ++pos) {
                if (format[pos] == u'\'' && pos + 1 < format.size() && format[pos + 1] == u'\'') {
                    literal += u'\'';
                    ++pos;
                } else if (format[pos] == u'\'') {
                    break;
                } else {
                    literal += format[pos];
                }
            }
            ++pos;
            continue;
        }
        qsizetype run = 1;
        while (pos + run < format.size() && format[pos + run].toLower() == lower)
            ++run;
        if (lower == u'd' || lower == u'm' || lower == u'y') {
            flushLiteral();
            if (lower == u'y')
                qt += QStringLiteral("yyyy"); // a two-digit year would be read in the 1900s
            else
                qt += QString(static_cast<int>(std::min<qsizetype>(run, 4)), lower == u'm' ? u'M' : u'd');
        } else {
            literal += format.mid(pos, run);
        }
        pos += run;
    }
    flushLiteral();
    return qt;
}

} // namespace app
