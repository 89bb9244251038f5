// The extra payments planner's heaviest plan, 50 years with every option on and extras small enough to keep
// most of the term (the half payments every two weeks alone pay it off some years early): from the Calculate press to
// the grid painted, against the same grid filled with ready texts and painted.
#include "Bench.h"
#include "GridPress.h"
#include "extrapayments/ExtraPaymentsWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableWidget>
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

void benchExtraPayments(const BenchOptions& options)
{
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    fillEveryOption(planner);
    planner.show();
    QApplication::processEvents();
    auto* calculate = planner.findChild<QAbstractButton*>(QStringLiteral("CalculateButton"));
    auto* grid = planner.findChild<QTableWidget*>(QStringLiteral("PlanGrid"));

    const GridPressTimes times = timeGridPress(*calculate, *grid, options.scheduleRuns);
    std::printf("Planner: %d payments with every option on\n", grid->rowCount());
    printGridPress("50-year plan", times, 20);
}
