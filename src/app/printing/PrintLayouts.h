#pragma once

#include "printing/DevicePage.h"

#include <QStringList>
#include <vector>

class QFont;

namespace app {

// A grid's texts row by row, row 0 being its heading row.
using GridTexts = std::vector<QStringList>;

// The font the schedule and the matrix are printed in. Its size is in device units like the positions, so that a
// text takes the same room between two columns at every resolution: 27 units, 6.5 points at 300 units an inch.
// The widest text for its room is the longest rate heading the matrix can show, a rate of 15 significant
// digits ("    Interest Rate = 33.9999999999999%"): it ends about 30 units before the first amount column.
QFont devicePageFont();

// The amortization schedule, 60 months to a page: page 1 starts with the grid's own title row at the
// top, later pages with printed headings one line down. Every month up to the month count is printed.
std::vector<DevicePage> schedulePages(const GridTexts& grid, int monthCount);

// The loan payment matrix on one page with its footer line; empty cells print nothing.
DevicePage matrixPage(const GridTexts& grid);

// The extra payments plan: the heading lines (the loan, its extras and the summary; an empty line is a blank
// one) at the top of page 1, then the grid with its heading row on every page, its amounts right-aligned, and
// "Page 1 of 3" at the foot of each.
std::vector<DevicePage> planPages(const QStringList& heading, const GridTexts& grid);

// The loan offers compared, on one page: the heading lines (a title, the purchase and the offers as typed; an empty
// line is a blank one), a blank line, the grid with its captions on the left and each offer's figures right-aligned
// in a column of its own, the notes under it, and "Page 1 of 1" at the foot as the plan's pages have.
DevicePage comparisonPage(const QStringList& heading, const GridTexts& grid, const QStringList& notes);

} // namespace app
