#include "GridPress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTableWidget>
#include <string>

GridPressTimes timeGridPress(QAbstractButton& calculate, QTableWidget& grid, int runs)
{
    GridPressTimes times;
    for (int i = 0; i < runs; ++i) {
        const auto start = BenchClock::now();
        const double cpuStart = threadCpuMilliseconds();
        calculate.click();
        grid.viewport()->repaint();
        times.pressedCpu.values.push_back(threadCpuMilliseconds() - cpuStart);
        times.pressed.values.push_back(millisecondsSince(start));

        const int rows = grid.rowCount();
        QTableWidget same(0, grid.columnCount());
        same.resize(grid.size());
        same.show();
        QStringList texts;
        for (int cell = 0; cell < rows * same.columnCount(); ++cell)
            texts.append(QStringLiteral("$1,234.%1").arg(cell % 100, 2, 10, QLatin1Char('0')));
        const double floorStart = threadCpuMilliseconds();
        same.setRowCount(rows);
        for (int cell = 0; cell < rows * same.columnCount(); ++cell)
            same.setItem(cell / same.columnCount(), cell % same.columnCount(), new QTableWidgetItem(texts[cell]));
        same.viewport()->repaint();
        times.floor.values.push_back(threadCpuMilliseconds() - floorStart);
        QApplication::processEvents();
    }
    return times;
}

void printGridPress(const char* what, const GridPressTimes& times, double targetMilliseconds)
{
    printFigure(std::string(what) + ", Calculate press to grid painted", times.pressed, "ms");
    printFigure("  the same, processor time", times.pressedCpu, "ms");
    printTarget(times.pressedCpu.median(), targetMilliseconds, "ms");
    printFigure("the same grid filled with ready texts and painted (processor)", times.floor, "ms");
    printRatio("ready-text grid", pairedRatio(times.pressedCpu, times.floor));
}
