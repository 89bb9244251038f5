#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

// The texts the program can show in a message box, gathered from the string literals of its sources
// (adjacent literals joined), so that a test can tell the program's own messages from anything else.
class KnownMessages
{
public:
    // Reads every .cpp and .h file below the given source folders.
    explicit KnownMessages(const QStringList& sourceFolders);

    // True for one of the literals; for a template among them with "%s", "%m", "%n" or "%d" filled in;
    // for a conversion message around the typed text; each also with the error box's full stop.
    bool contains(const QString& message) const;
    // A message the program puts together from pieces at run time, such as a field's help and what it accepts.
    void add(const QString& message) { literals.append(message); }
    qsizetype size() const { return literals.size(); }

private:
    bool matches(const QString& message) const;

    QStringList literals;
    std::vector<QRegularExpression> patterns;
};
