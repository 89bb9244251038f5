#pragma once

#include "calculators/loan/LoanChartSeries.h"

#include <QFont>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QChart;
class QPainter;

namespace app {

// The remaining balance month by month, the balance with the extra payments when there are any (under
// the given legend name), and a mark on the month whose principal first exceeds its interest.
QChart* balanceChart(const calculators::LoanChartData& data, const QString& prepaidName, const QFont& font);

// Principal and interest paid in each year, stacked.
QChart* yearlyChart(const calculators::LoanChartData& data, const QFont& font);

// Named lines over the months (index = month), such as what each of several loans has cost by then, and a
// named vertical mark at one month.
struct MonthLine
{
    QString name;
    std::vector<calculators::Extended> values;
    // Another case of the line before it (the zero line, for the first), such as its worst case: drawn dashed in
    // its colour.
    bool dashed = false;
};
struct MonthMark
{
    std::int32_t month = 0;
    QString name;
};
// Named points on the lines, such as where each offer's runs below another start and end: (month, value).
struct MonthPoints
{
    QString name;
    std::vector<std::pair<std::int32_t, calculators::Extended>> points;
};
struct MonthLines
{
    QString title;
    std::vector<MonthLine> lines;
    std::optional<MonthMark> mark;
    QString zeroLine; // the name of a line at zero across the months; none when empty
    std::vector<MonthPoints> points;
    // What hovering a line at a month shows; nothing when empty.
    std::function<QString(std::int32_t month)> describe;
};
QChart* monthLinesChart(const MonthLines& lines, const QFont& font);

// Draws the charts one below the other in the painter's viewport (a printed page's printable area), each laid
// out at the given size (as on screen) and scaled to its share. The charts are taken over and freed.
void drawCharts(QPainter& painter, const std::vector<QChart*>& charts, QSizeF layoutSize);

} // namespace app
