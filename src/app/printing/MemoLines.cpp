#include "printing/MemoLines.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace app {

QStringList displayedLines(const QPlainTextEdit& memo)
{
    QStringList lines;
    QTextDocument* document = memo.document();
    // The area lays out its paragraphs lazily; the pieces are only known once each one is laid out.
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* pieces = block.layout();
        if (!pieces || pieces->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int index = 0; index < pieces->lineCount(); ++index) {
            const QTextLine piece = pieces->lineAt(index);
            QString shown = text.mid(piece.textStart(), piece.textLength());
            // A forced line break inside a paragraph ends its piece; it is a break, not a character to print.
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines << shown;
        }
    }
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace app
