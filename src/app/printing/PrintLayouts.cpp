#include "printing/PrintLayouts.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <utility>

namespace app {
namespace {

constexpr int fontSize = 27;
constexpr int monthsPerPage = 60;
constexpr int lineHeight = 50;
constexpr std::array scheduleColumns { 100, 450, 900, 1350 };
constexpr std::array matrixColumns { 100, 600, 1000, 1400, 1800 };
// The plan's number and date start at their columns; its five amounts end at theirs, so that they line up on
// their decimal separators. The widest amount, 1,000,000,000.00 with its symbol, takes about 250 units.
constexpr std::array planColumns { 100, 250, 800, 1150, 1500, 1850, 2200 };
constexpr std::size_t firstPlanAmountColumn = 2;
// The planner's pages end with their footer line; rows stop a blank line above it.
constexpr int planFooterY = 2950;
// The comparison's captions start at the first column; each offer's figures end at its own, so that amounts line
// up on their decimal separators. The longest caption takes about 450 units, the longest figure ("payment 600,
// 12/2199") about 300 and a name of 30 letters marked best about 500; one of 30 wide letters may still reach into
// the column before it.
constexpr std::array comparisonColumns { 100, 1000, 1550, 2100, 2650 };
constexpr std::size_t firstComparisonFigureColumn = 1;

// Columns from rightAlignedFrom on are placed by their right ends.
void placeRow(DevicePage& page, const QStringList& cells, const auto& columns, int y,
    std::size_t rightAlignedFrom = std::numeric_limits<std::size_t>::max())
{
    for (std::size_t column = 0; column < columns.size() && column < static_cast<std::size_t>(cells.size()); ++column)
        if (!cells[static_cast<qsizetype>(column)].isEmpty())
            page.push_back({ columns[column], y, cells[static_cast<qsizetype>(column)], column >= rightAlignedFrom });
}

// A text's words on as many lines as it takes to keep each within the width; a longer word stands alone.
QStringList wrappedLines(const QString& text, int width, const QFontMetrics& metrics)
{
    QStringList wrapped;
    QString line;
    for (const QString& word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            wrapped.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    wrapped.append(line);
    return wrapped;
}

} // namespace

QFont devicePageFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(fontSize);
    return font;
}

std::vector<DevicePage> schedulePages(const GridTexts& grid, int monthCount)
{
    std::vector<DevicePage> pages;
    if (grid.empty())
        return pages;
    // The count and the grid come from different places; only rows that exist are printed.
    const int months = std::clamp(monthCount, 0, static_cast<int>(grid.size()) - 1);

    DevicePage first;
    for (int row = 0; row <= std::min(months, monthsPerPage); ++row)
        placeRow(first, grid[static_cast<std::size_t>(row)], scheduleColumns, lineHeight * row);
    pages.push_back(first);

    const QStringList headings { QStringLiteral("Month"), QStringLiteral("Interest"), QStringLiteral("Principal"),
        QStringLiteral("Balance") };
    for (int pageStart = monthsPerPage; months > pageStart; pageStart += monthsPerPage) {
        DevicePage page;
        placeRow(page, headings, scheduleColumns, lineHeight);
        for (int row = pageStart + 1; row <= std::min(months, pageStart + monthsPerPage); ++row)
            placeRow(page, grid[static_cast<std::size_t>(row)], scheduleColumns, lineHeight * (row - pageStart + 1));
        pages.push_back(page);
    }
    return pages;
}

DevicePage matrixPage(const GridTexts& grid)
{
    DevicePage page;
    for (std::size_t row = 0; row < grid.size(); ++row)
        placeRow(page, grid[row], matrixColumns, 100 + lineHeight * static_cast<int>(row));
    page.push_back({ 575, 1000, QStringLiteral("This report printed with Brellin Corvanta:  www.brellin.com") });
    return page;
}

std::vector<DevicePage> planPages(const QStringList& heading, const GridTexts& grid)
{
    std::vector<DevicePage> pages;
    if (grid.empty())
        return pages;
    std::size_t row = 1;
    do {
        DevicePage page;
        int y = 0;
        if (pages.empty()) {
            for (const QString& line : heading) {
                if (!line.isEmpty())
                    page.push_back({ planColumns[0], y, line });
                y += lineHeight;
            }
            y += lineHeight;
        }
        placeRow(page, grid.front(), planColumns, y, firstPlanAmountColumn);
        for (y += lineHeight; row < grid.size() && y + 2 * lineHeight <= planFooterY; y += lineHeight, ++row)
            placeRow(page, grid[row], planColumns, y, firstPlanAmountColumn);
        pages.push_back(std::move(page));
    } while (row < grid.size());
    const auto count = QString::number(pages.size());
    for (std::size_t index = 0; index < pages.size(); ++index)
        pages[index].push_back(
            { planColumns[0], planFooterY, QStringLiteral("Page %1 of %2").arg(QString::number(index + 1), count) });
    return pages;
}

DevicePage comparisonPage(const QStringList& heading, const GridTexts& grid, const QStringList& notes)
{
    DevicePage page;
    // Two lines down, as the matrix starts, so that the first line clears the printer's margin.
    int y = 2 * lineHeight;
    const auto lines = [&page, &y](const QStringList& texts) {
        for (const QString& line : texts) {
            if (!line.isEmpty())
                page.push_back({ comparisonColumns[0], y, line });
            y += lineHeight;
        }
    };
    lines(heading);
    y += lineHeight;
    const QFontMetrics metrics(devicePageFont());
    const int gap = metrics.horizontalAdvance(QStringLiteral("  "));
    for (const QStringList& row : grid) {
        // Several runs in a cell go one to a line, and a line wider than its column wraps, so that no figure
        // reaches into the one before it; a caption that would meet its row's first figure takes a line of its own
        // above the figures.
        std::vector<QStringList> cellLines;
        std::size_t height = 1;
        int firstWidest = 0;
        for (qsizetype column = 1; column < row.size(); ++column) {
            const auto at = static_cast<std::size_t>(column);
            const int width = at < comparisonColumns.size() ? comparisonColumns[at] - comparisonColumns[at - 1] - gap
                                                            : std::numeric_limits<int>::max();
            QStringList cell;
            for (const QString& run : row[column].split(QStringLiteral("; ")))
                cell.append(wrappedLines(run, width, metrics));
            cellLines.push_back(cell);
            height = std::max(height, static_cast<std::size_t>(cellLines.back().size()));
        }
        if (!cellLines.empty())
            for (const QString& line : cellLines.front())
                firstWidest = std::max(firstWidest, metrics.horizontalAdvance(line));
        if (!row.isEmpty() && !row.front().isEmpty()) {
            page.push_back({ comparisonColumns[0], y, row.front() });
            if (comparisonColumns[0] + metrics.horizontalAdvance(row.front()) + gap
                > comparisonColumns[firstComparisonFigureColumn] - firstWidest)
                y += lineHeight;
        }
        for (std::size_t line = 0; line < height; ++line) {
            QStringList cells { QString() };
            for (const QStringList& texts : cellLines)
                cells.append(
                    line < static_cast<std::size_t>(texts.size()) ? texts[static_cast<qsizetype>(line)] : QString());
            placeRow(page, cells, comparisonColumns, y, firstComparisonFigureColumn);
            y += lineHeight;
        }
    }
    y += lineHeight;
    // A note is as wide as the grid: its words wrap onto further lines.
    const std::size_t gridColumns = grid.empty() ? 1 : static_cast<std::size_t>(grid.front().size());
    const int noteWidth = comparisonColumns[std::clamp<std::size_t>(gridColumns, 2, comparisonColumns.size()) - 1]
        - comparisonColumns[0];
    for (const QString& note : notes)
        lines(wrappedLines(note, noteWidth, metrics));
    page.push_back({ comparisonColumns[0], std::max(y + lineHeight, planFooterY), QStringLiteral("Page 1 of 1") });
    return page;
}

} // namespace app
