#include "KnownMessages.h"

#include <QDirIterator>
#include <QFile>

namespace {

// The string literals of one C++ source, with adjacent literals joined and simple escapes decoded.
QStringList literalsOf(const QString& source)
{
    QStringList found;
    QString current;
    bool open = false; // a literal ended and only blanks have followed it
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == u'/' && i + 1 < source.size() && source[i + 1] == u'/') {
            while (i < source.size() && source[i] != u'\n')
                ++i;
            continue;
        }
        if (c == u'\'' && i + 2 < source.size()) {
            // A character literal such as '"' or '\\'.
            i += source[i + 1] == u'\\' ? 3 : 2;
            continue;
        }
        if (c == u'"') {
            // A literal's prefix (u8, L) sits right before the quote and needs nothing.
            for (++i; i < source.size() && source[i] != u'"'; ++i) {
                if (source[i] == u'\\' && i + 1 < source.size()) {
                    const QChar escaped = source[++i];
                    current.append(escaped == u'n' ? QChar(u'\n') : escaped == u't' ? QChar(u'\t') : escaped);
                } else {
                    current.append(source[i]);
                }
            }
            open = true;
            continue;
        }
        if (open && !c.isSpace()) {
            found.append(current);
            current.clear();
            open = false;
        }
    }
    if (open)
        found.append(current);
    return found;
}

// A message template has words of its own besides its placeholders; a bare "%s" would match anything.
bool isTemplate(const QString& literal)
{
    QString words = literal;
    words.remove(QRegularExpression(QStringLiteral("%[smnd]")));
    return words.trimmed().size() >= 12;
}

// The literal's text escaped piece by piece around its placeholders (escaping the whole would escape the "%").
QString placeholderPattern(const QString& literal)
{
    // "%%" is a percent sign of the message's own.
    static const QRegularExpression placeholder(QStringLiteral("%[smnd%]"));
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (const QRegularExpressionMatch& found : placeholder.globalMatch(literal)) {
        pattern += QRegularExpression::escape(literal.mid(from, found.capturedStart() - from));
        const QString kind = found.captured();
        pattern += kind == QStringLiteral("%%") ? QStringLiteral("%")
            : kind == QStringLiteral("%s")      ? QStringLiteral(".*")
                                                : QStringLiteral("[-()$0-9.,E ]+");
        from = found.capturedEnd();
    }
    return pattern + QRegularExpression::escape(literal.mid(from)) + QStringLiteral("$");
}

} // namespace

KnownMessages::KnownMessages(const QStringList& sourceFolders)
{
    for (const QString& folder : sourceFolders) {
        QDirIterator files(
            folder, { QStringLiteral("*.cpp"), QStringLiteral("*.h") }, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QString& literal : literalsOf(QString::fromUtf8(file.readAll()))) {
                if (literal.trimmed().isEmpty())
                    continue;
                literals.append(literal);
                if (literal.contains(u'%') && isTemplate(literal))
                    patterns.emplace_back(placeholderPattern(literal), QRegularExpression::DotMatchesEverythingOption);
                // A conversion message is built as a quote, the typed text, then this literal.
                if (literal.startsWith(QStringLiteral("' is not a valid")))
                    patterns.emplace_back(
                        QStringLiteral("^'.*") + QRegularExpression::escape(literal) + QStringLiteral("$"),
                        QRegularExpression::DotMatchesEverythingOption);
            }
        }
    }
    literals.removeDuplicates();
}

bool KnownMessages::contains(const QString& message) const
{
    if (message.isEmpty())
        return false;
    return matches(message) || (message.endsWith(u'.') && matches(message.chopped(1)));
}

bool KnownMessages::matches(const QString& message) const
{
    if (literals.contains(message))
        return true;
    for (const QRegularExpression& pattern : patterns)
        if (pattern.match(message).hasMatch())
            return true;
    return false;
}
