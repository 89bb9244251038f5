// The text stream's layout on its own, with a font whose every character is 10 wide and 20 high.
#include "printing/TextStreamLayout.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using app::PlacedText;
using app::PrintedPage;

const app::TextStreamMetrics tenWide { 20, 10, [](const QString& text) { return 10 * int(text.size()); } };

struct LayoutCase
{
    const char* name;
    QStringList lines;
    QSize page;
    std::vector<PrintedPage> expected;
};

PlacedText at(int x, int top, const char* text)
{
    return { x, top, QString::fromUtf8(text) };
}

const LayoutCase layoutCases[] = {
    { "no lines, no pages", {}, { 1000, 1000 }, {} },
    { "a line moves down by its height plus 2, an empty one by its height",
        { QStringLiteral("ab"), QString(), QStringLiteral("cd"), QStringLiteral("ef") }, { 1000, 1000 },
        { { at(0, 0, "ab"), at(0, 42, "cd"), at(0, 64, "ef") } } },
    // Page 106 high: after the third line the stream is at 66 with 40 = 2 × 20 left, after the fourth at 88.
    { "exactly two line heights left stay on the page",
        { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5") },
        { 1000, 106 }, { { at(0, 0, "1"), at(0, 22, "2"), at(0, 44, "3"), at(0, 66, "4") }, { at(0, 0, "5") } } },
    { "one pixel less, and less than two line heights left start a new page",
        { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4") }, { 1000, 105 },
        { { at(0, 0, "1"), at(0, 22, "2"), at(0, 44, "3") }, { at(0, 0, "4") } } },
    { "a full page after the last line leaves no blank page behind",
        { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") }, { 1000, 100 },
        { { at(0, 0, "1"), at(0, 22, "2"), at(0, 44, "3") } } },
    { "empty lines fill the page too", { QString(), QString(), QString(), QString(), QStringLiteral("a") },
        { 1000, 100 }, { {}, { at(0, 0, "a") } } },
    { "a wide line breaks at the last character that fits", { QStringLiteral("abcdefghijkl") }, { 50, 1000 },
        { { at(0, 0, "abcde"), at(0, 22, "fghij"), at(0, 44, "kl") } } },
    { "a broken line can go on over a page break", { QStringLiteral("abcdefghijkl") }, { 50, 80 },
        { { at(0, 0, "abcde"), at(0, 22, "fghij") }, { at(0, 0, "kl") } } },
    { "a tab goes to the next multiple of eight average widths",
        { QStringLiteral("a\tb"), QStringLiteral("abcdefgh\tc"), QStringLiteral("abcdefghi\td"),
            QStringLiteral("\t\te") },
        { 1000, 1000 },
        { { at(0, 0, "a"), at(80, 0, "b"), at(0, 22, "abcdefgh"), at(160, 22, "c"), at(0, 44, "abcdefghi"),
            at(160, 44, "d"), at(160, 66, "e") } } },
    { "text after a tab breaks where it stops fitting", { QStringLiteral("abcdefg\thij") }, { 100, 1000 },
        { { at(0, 0, "abcdefg"), at(80, 0, "hi"), at(0, 22, "j") } } },
    { "a page narrower than a character still takes one a line", { QStringLiteral("ab") }, { 5, 1000 },
        { { at(0, 0, "a"), at(0, 22, "b") } } },
};

TEST(TextStreamLayout, PlacesLinesOnPages)
{
    for (const LayoutCase& layoutCase : layoutCases) {
        SCOPED_TRACE(layoutCase.name);
        EXPECT_EQ(app::layoutTextStream(layoutCase.lines, tenWide, layoutCase.page), layoutCase.expected);
    }
}

} // namespace
