#include "widgets/StringGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVariant>
#include <algorithm>

namespace app {
namespace {

// A grid without a horizontal scroll bar must never scroll sideways: the last column gives up whatever the
// columns need beyond the room beside the vertical scroll bar, so a chosen cell cannot push the first column
// out of view.
void fitLastColumn(QTableWidget& grid)
{
    const int last = grid.columnCount() - 1;
    if (last < 0 || grid.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        return;
    grid.ensurePolished();
    int room = grid.width() - 2 * grid.frameWidth();
    if (grid.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        room -= grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid.verticalScrollBar());
    for (int column = 0; column < last; ++column)
        room -= grid.columnWidth(column);
    if (grid.columnWidth(last) > room)
        grid.setColumnWidth(last, std::max(room, grid.horizontalHeader()->minimumSectionSize()));
}

} // namespace

int gridRowCount(const QTableWidget& grid)
{
    return grid.rowCount() + 1;
}

void setGridRowCount(QTableWidget& grid, int rows)
{
    grid.setRowCount(std::max(rows - 1, 0));
}

QString gridText(const QTableWidget& grid, int column, int row)
{
    const QTableWidgetItem* item = row == 0 ? grid.horizontalHeaderItem(column) : grid.item(row - 1, column);
    return item ? item->text() : QString();
}

void setGridText(QTableWidget& grid, int column, int row, const QString& text)
{
    if (row == 0) {
        auto* heading = new QTableWidgetItem(text);
        heading->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid.setHorizontalHeaderItem(column, heading);
        return;
    }
    if (QTableWidgetItem* cell = grid.item(row - 1, column)) {
        cell->setText(text);
        return;
    }
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    grid.setItem(row - 1, column, cell);
}

GridTexts gridTexts(const QTableWidget& grid)
{
    GridTexts texts;
    for (int row = 0; row < gridRowCount(grid); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.columnCount(); ++column)
            cells.append(gridText(grid, column, row));
        texts.push_back(cells);
    }
    return texts;
}

void setUpGrid(QTableWidget& grid)
{
    for (int column = 0; column < grid.columnCount(); ++column)
        setGridText(grid, column, 0, QString());
    const QStringList widths = grid.property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
    for (qsizetype column = 0; column < widths.size(); ++column)
        grid.setColumnWidth(static_cast<int>(column), widths[column].trimmed().toInt());
    fitLastColumn(grid);
}

} // namespace app
