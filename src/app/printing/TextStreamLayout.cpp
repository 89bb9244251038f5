#include "printing/TextStreamLayout.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <utility>

namespace app {
namespace {

constexpr int lineGap = 2;
constexpr int charsPerTab = 8;

class StreamWriter
{
public:
    StreamWriter(const TextStreamMetrics& metrics, QSize page)
        : metrics(metrics)
        , page(page)
        , tabWidth(std::max(1, charsPerTab * metrics.averageCharWidth))
    { }

    void writeLine(const QString& line)
    {
        startLine();
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, line);
        qsizetype start = 0;
        for (qsizetype end = characters.toNextBoundary(); end != -1; end = characters.toNextBoundary()) {
            writeCharacter(line.mid(start, end - start));
            start = end;
        }
        endLine(line.isEmpty());
    }

    std::vector<PrintedPage> finish() { return std::move(pages); }

private:
    void writeCharacter(const QString& character)
    {
        if (character == u"\t") {
            flushRun();
            cursorX = (cursorX / tabWidth + 1) * tabWidth;
            runX = cursorX;
            return;
        }
        const int widthWithCharacter = metrics.width(run + character);
        // A character always goes onto an empty line, however narrow the page, so every line ends.
        if (runX + widthWithCharacter > page.width() && cursorX > 0) {
            flushRun();
            endLine(false);
            startLine();
            run = character;
            cursorX = metrics.width(run);
            return;
        }
        run += character;
        cursorX = runX + widthWithCharacter;
    }

    void flushRun()
    {
        if (!run.isEmpty())
            pages.back().push_back({ runX, top, run });
        run.clear();
    }

    void startLine()
    {
        if (pageFull || pages.empty()) {
            pages.emplace_back();
            top = 0;
            pageFull = false;
        }
        cursorX = 0;
        runX = 0;
    }

    void endLine(bool empty)
    {
        flushRun();
        top += empty ? metrics.lineHeight : metrics.lineHeight + lineGap;
        // The new page is started by the next line, so a report never ends in a blank sheet.
        pageFull = page.height() - top < 2 * metrics.lineHeight;
    }

    const TextStreamMetrics& metrics;
    const QSize page;
    const int tabWidth;
    std::vector<PrintedPage> pages;
    bool pageFull = false;
    int top = 0;
    int cursorX = 0;
    int runX = 0;
    QString run;
};

} // namespace

std::vector<PrintedPage> layoutTextStream(const QStringList& lines, const TextStreamMetrics& metrics, QSize page)
{
    StreamWriter writer(metrics, page);
    for (const QString& line : lines)
        writer.writeLine(line);
    return writer.finish();
}

} // namespace app
