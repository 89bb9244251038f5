// The loan offers window's heaviest comparison, four 50-year offers with mortgage insurance and every cost: from the
// Calculate press to the grid painted, against the same grid filled with ready texts and painted.
#include "Bench.h"
#include "BenchStats.h"
#include "loan/CompareOffersWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <chrono>
#include <cstdio>
#include <utility>

using app::CompareOffersWindow;

namespace {

void fillFourOffers(CompareOffersWindow& window)
{
    const std::pair<const char*, const char*> purchase[] = { { "PriceEdit", "1000000000" }, { "DownEdit", "50000000" },
        { "TaxEdit", "1200000" }, { "InsuranceEdit", "240000" }, { "DuesEdit", "500" }, { "KeepEdit", "50" } };
    for (const auto& [name, text] : purchase)
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    const char* rates[] = { "6.5", "6.25", "6.125", "0" };
    for (int offer = 0; offer < 4; ++offer) {
        const QString column = QStringLiteral("Offer") + QChar(u'A' + offer);
        const auto set = [&](const char* field, const QString& text) {
            window.findChild<QLineEdit*>(column + QLatin1String(field) + QStringLiteral("Edit"))->setText(text);
        };
        set("Rate", QString::fromLatin1(rates[offer]));
        set("Years", QStringLiteral("50"));
        set("Points", QString::number(offer));
        set("Fees", QStringLiteral("1500"));
        set("Closing", QStringLiteral("4000"));
        set("Credit", QString::number(offer * 1000));
        set("Insurance", QStringLiteral("0.5"));
    }
}

} // namespace

void benchOffers(const BenchOptions& options)
{
    CompareOffersWindow window;
    window.startWith(QDate(2026, 12, 9));
    fillFourOffers(window);
    window.show();
    QApplication::processEvents();
    auto* calculate = window.findChild<QAbstractButton*>(QStringLiteral("CalculateButton"));
    auto* grid = window.findChild<QTableWidget*>(QStringLiteral("ComparisonGrid"));

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
    std::printf("Loan offers: %d offers of 50 years, %d rows compared\n", grid->columnCount() - 1, grid->rowCount());
    printFigure("four 50-year offers, Calculate press to grid painted", pressed, "ms");
    printFigure("  the same, processor time", pressedCpu, "ms");
    printTarget(pressedCpu.median(), 10, "ms");
    printFigure("the same grid filled with ready texts and painted (processor)", floor, "ms");
    printRatio("ready-text grid", pairedRatio(pressedCpu, floor));
}
