#pragma once

#include <QString>

class QMenu;
class QTableWidget;

namespace app {

// The selected cells as text: cells separated by tabs, one line per row. When the selection covers
// whole columns, the heading row comes first.
QString selectionText(const QTableWidget& grid);

// Ctrl+C and the context menu's "Copy" put the selection on the clipboard. The menu belongs to the
// grid and is returned, so that a window can add items of its own to it.
QMenu* addGridMenu(QTableWidget& grid);

} // namespace app
