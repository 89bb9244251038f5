#pragma once

#include "DevicePage.h"

#include <QStringList>
#include <vector>

namespace shell {

// A grid's texts row by row, row 0 being its heading row.
using GridTexts = std::vector<QStringList>;

// The amortization schedule, 60 months to a page: page 1 starts with the grid's own title row at the
// top, later pages with printed headings one line down. Every month up to the month count is printed.
std::vector<DevicePage> schedulePages(const GridTexts& grid, int monthCount);

// The loan payment matrix on one page with its footer line; empty cells print nothing.
DevicePage matrixPage(const GridTexts& grid);

} // namespace shell
