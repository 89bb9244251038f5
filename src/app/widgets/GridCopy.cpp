#include "widgets/GridCopy.h"

#include "dialogs/GuardedHandler.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTableWidget>
#include <algorithm>
#include <climits>

namespace app {
namespace {

void copySelection(const QTableWidget& grid)
{
    const QString text = selectionText(grid);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// The grid's own Ctrl+C copies just the current cell; this one copies the selection.
class CopyKey final : public QObject
{
public:
    explicit CopyKey(QTableWidget& grid)
        : QObject(&grid)
        , grid(grid)
    { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            runGuarded(&grid, [this] { copySelection(grid); });
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTableWidget& grid;
};

} // namespace

QString selectionText(const QTableWidget& grid)
{
    const QList<QTableWidgetSelectionRange> ranges = grid.selectedRanges();
    if (ranges.isEmpty())
        return {};
    int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;
    bool wholeColumns = true;
    for (const QTableWidgetSelectionRange& range : ranges) {
        top = std::min(top, range.topRow());
        bottom = std::max(bottom, range.bottomRow());
        left = std::min(left, range.leftColumn());
        right = std::max(right, range.rightColumn());
        wholeColumns = wholeColumns && range.topRow() == 0 && range.bottomRow() == grid.rowCount() - 1;
    }

    QStringList lines;
    if (wholeColumns) {
        QStringList headings;
        for (int column = left; column <= right; ++column)
            headings.append(gridText(grid, column, 0));
        lines.append(headings.join(u'\t'));
    }
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            const bool selected = grid.selectionModel()->isSelected(grid.model()->index(row, column));
            cells.append(selected ? gridText(grid, column, row + 1) : QString());
        }
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n');
}

QMenu* addGridMenu(QTableWidget& grid)
{
    auto* menu = new QMenu(&grid);
    menu->setObjectName(QStringLiteral("GridMenu"));
    QAction* copy = menu->addAction(QStringLiteral("Copy"));
    copy->setObjectName(QStringLiteral("GridCopy"));
    // Shown in the menu; the grid itself hears the key through CopyKey.
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, &grid, guarded(&grid, [&grid] { copySelection(grid); }));

    grid.installEventFilter(new CopyKey(grid));
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&grid, &QWidget::customContextMenuRequested, menu,
        [&grid, menu](const QPoint& position) { menu->popup(grid.viewport()->mapToGlobal(position)); });
    return menu;
}

} // namespace app
