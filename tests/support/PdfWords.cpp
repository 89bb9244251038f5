#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

std::optional<PdfText> readPdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, { QStringLiteral("-bbox"), path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression element(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfText text;
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    text.title = QTextDocumentFragment::fromHtml(title.match(xhtml).captured(1)).toPlainText();
    for (const QRegularExpressionMatch& match : element.globalMatch(xhtml)) {
        if (match.captured(0) == u"<page ") {
            ++text.pageCount;
            continue;
        }
        text.words.push_back(
            { text.pageCount, match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble(),
                match.captured(4).toDouble(), QTextDocumentFragment::fromHtml(match.captured(5)).toPlainText() });
    }
    return text;
}
