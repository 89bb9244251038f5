// The extra payments planner's heaviest plan, 50 years with every option on and extras small enough to keep
// most of the term (the half payments every two weeks alone pay it off some years early): from the Calculate press to
// the grid painted, against the same grid filled with ready texts and painted.
#include "Bench.h"
#include "BenchStats.h"
#include "loan/ExtraPaymentsWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
#include <chrono>
#include <cstdio>
#include <optional>
#include <utility>

using app::ExtraPaymentsWindow;

namespace {

void fillEveryOption(ExtraPaymentsWindow& planner)
{
    const std::pair<const char*, const char*> fields[] = { { "RateEdit", "0.5" }, { "YearsEdit", "50" },
        { "AmountEdit", "1000000000" }, { "MonthlyExtraEdit", "0.01" }, { "YearlyExtraEdit", "0.01" } };
    for (const auto& [name, text] : fields)
        planner.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    auto* oneTime = planner.findChild<QTableWidget*>(QStringLiteral("OneTimeTable"));
    oneTime->setRowCount(60);
    for (int row = 0; row < 60; ++row) {
        oneTime->setItem(row, 0, new QTableWidgetItem(QString::number(row * 10 + 1)));
        oneTime->setItem(row, 1, new QTableWidgetItem(QStringLiteral("0.01")));
    }
    planner.findChild<QCheckBox*>(QStringLiteral("EveryTwoWeeksCheck"))->setChecked(true);
}

} // namespace

void benchPlanner(const BenchOptions& options)
{
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    fillEveryOption(planner);
    planner.show();
    QApplication::processEvents();
    auto* calculate = planner.findChild<QAbstractButton*>(QStringLiteral("CalculateButton"));
    auto* grid = planner.findChild<QTableWidget*>(QStringLiteral("PlanGrid"));

    Samples pressed, pressedCpu, floor;
    for (int i = 0; i < options.scheduleRuns; ++i) {
        const auto start = BenchClock::now();
        const double cpuStart = threadCpuMilliseconds();
        calculate->click();
        grid->viewport()->repaint();
        pressedCpu.values.push_back(threadCpuMilliseconds() - cpuStart);
        pressed.values.push_back(std::chrono::duration<double, std::milli>(BenchClock::now() - start).count());

        // The same number of cells with texts made beforehand, then painted.
        const int rows = grid->rowCount();
        QTableWidget same(0, grid->columnCount());
        same.resize(grid->size());
        same.show();
        QStringList texts;
        for (int cell = 0; cell < rows * same.columnCount(); ++cell)
            texts.append(QStringLiteral("$1,234.%1").arg(cell % 100, 2, 10, QLatin1Char('0')));
        const double floorStart = threadCpuMilliseconds();
        same.setRowCount(rows);
        for (int cell = 0; cell < rows * same.columnCount(); ++cell)
            same.setItem(cell / same.columnCount(), cell % same.columnCount(), new QTableWidgetItem(texts[cell]));
        same.viewport()->repaint();
        floor.values.push_back(threadCpuMilliseconds() - floorStart);
        QApplication::processEvents();
    }
    std::printf("Planner: %d payments with every option on\n", grid->rowCount());
    printFigure("50-year plan, Calculate press to grid painted", pressed, "ms");
    printFigure("  the same, processor time", pressedCpu, "ms");
    printTarget(pressedCpu.median(), 20, "ms");
    printFigure("the same grid filled with ready texts and painted (processor)", floor, "ms");
    printRatio("ready-text grid", pairedRatio(pressedCpu, floor));
}
