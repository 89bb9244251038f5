#include "widgets/StringGrid.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVariant>
#include <algorithm>
#include <numeric>

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

// Widens a grid's columns in proportion to their designed widths when its view is wider than they are, so
// that the figures spread over the grid rather than the last column taking all the room. A view narrower than
// the designed widths keeps them and scrolls sideways.
class SharedWidth final : public QObject
{
public:
    SharedWidth(QTableWidget& grid, QList<int> designed)
        : QObject(&grid)
        , grid(grid)
        , viewport(grid.viewport())
        , designed(std::move(designed))
        , fitText(grid.property("columnsFitText").toBool())
    {
        setObjectName(QStringLiteral("SharedWidth"));
        viewport->installEventFilter(this);
        // A grid that shows fewer columns than it was designed with shares the room among those it shows.
        for (const auto signal : { &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved })
            connect(grid.model(), signal, this, [this] { share(viewport->width()); });
    }

    void share() { share(viewport->width()); }

private:
    // The viewport is kept from the start: it still sends events while the grid around it is being destroyed,
    // when the grid can no longer be asked for it.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == viewport)
            share(viewport->width());
        return false;
    }

    void share(int room)
    {
        const qsizetype shown = std::min<qsizetype>(designed.size(), grid.columnCount());
        const int total = std::accumulate(designed.begin(), designed.begin() + shown, 0);
        if (total <= 0)
            return;
        // Each column ends where its designed end falls, scaled, so that no column gathers the rounding.
        int designedEnd = 0;
        int end = 0;
        for (qsizetype column = 0; column < shown; ++column) {
            designedEnd += designed[column];
            const int nextEnd = room <= total ? designedEnd : designedEnd * room / total;
            grid.setColumnWidth(static_cast<int>(column), std::max(nextEnd - end, textWidth(static_cast<int>(column))));
            end = nextEnd;
        }
    }

    // The widest text of a column, its heading's included, where the columns fit their texts.
    int textWidth(int column) const
    {
        if (!fitText)
            return 0;
        // QTableView hides the view's public size hint; the call goes to its override all the same.
        const QAbstractItemView& view = grid;
        return std::max(view.sizeHintForColumn(column), grid.horizontalHeader()->sectionSizeHint(column));
    }

    QTableWidget& grid;
    QWidget* viewport;
    QList<int> designed;
    bool fitText;
};

} // namespace

int gridRowCount(const QTableWidget& grid)
{
    return grid.rowCount() + 1;
}

void setGridRowCount(QTableWidget& grid, int rows)
{
    grid.setRowCount(std::max(rows - 1, 0));
}

void clearGridResults(QTableWidget& grid)
{
    grid.clearSelection();
    setGridRowCount(grid, 1);
    for (int column = 0; column < grid.columnCount(); ++column)
        setGridText(grid, column, 0, QString());
}

GridFill::GridFill(QTableWidget& grid)
    : grid(grid)
{
    grid.setUpdatesEnabled(false);
}

GridFill::~GridFill()
{
    grid.clearSelection();
    grid.selectionModel()->clearCurrentIndex();
    grid.scrollToTop();
    grid.setUpdatesEnabled(true);
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
    QList<int> designed;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        designed.append(widths[column].trimmed().toInt());
        grid.setColumnWidth(static_cast<int>(column), designed.back());
    }
    fitLastColumn(grid);
    if (grid.property("columnsShareWidth").toBool())
        new SharedWidth(grid, designed);
}

void fitGridColumns(QTableWidget& grid)
{
    // The grid's only child of that name is the one setUpGrid made.
    if (QObject* shared = grid.findChild<QObject*>(QStringLiteral("SharedWidth"), Qt::FindDirectChildrenOnly))
        static_cast<SharedWidth*>(shared)->share();
}

} // namespace app
