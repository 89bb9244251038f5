#pragma once

#include "printing/PrintLayouts.h"

#include <QString>

class QTableWidget;

namespace app {

// A QTableWidget used as a grid of texts. Grid row 0 is the fixed heading row, shown by the horizontal
// header so that it stays in view; grid rows 1 onwards are the table's rows.

int gridRowCount(const QTableWidget& grid);
void setGridRowCount(QTableWidget& grid, int rows);
QString gridText(const QTableWidget& grid, int column, int row);
// Cells are read-only and keep their text exactly, leading blanks included.
void setGridText(QTableWidget& grid, int column, int row, const QString& text);
GridTexts gridTexts(const QTableWidget& grid);

// Results that no longer hold: the grid keeps only its heading row, emptied, and no selection.
void clearGridResults(QTableWidget& grid);

// A new fill of a results grid, painted once when it ends. It ends with no selection or current cell, which
// would copy part of the new results as if they were the old, and with its top in view.
class GridFill final
{
public:
    explicit GridFill(QTableWidget& grid);
    ~GridFill();
    GridFill(const GridFill&) = delete;
    GridFill& operator=(const GridFill&) = delete;

private:
    QTableWidget& grid;
};

// Column widths are window data: the grid's "columnWidths" property in its .ui, e.g. "164,112,112". The
// heading row starts empty, so the table's own column numbers never show, even before a first fill. A grid
// whose "columnsShareWidth" property is true gives its columns any room beyond those widths in their proportions,
// among the columns it has at the time.
// A grid whose "columnsFitText" property is true as well never makes a column narrower than its widest text and
// scrolls instead; fitGridColumns applies that once the grid is filled.
void setUpGrid(QTableWidget& grid);
void fitGridColumns(QTableWidget& grid);

} // namespace app
