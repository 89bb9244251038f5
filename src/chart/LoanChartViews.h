#pragma once

#include "LoanChartSeries.h"

#include <QFont>
#include <QSizeF>
#include <QString>
#include <vector>

class QChart;
class QPrinter;

namespace shell {

// The remaining balance month by month, the balance with the extra payments when there are any (under
// the given legend name), and a mark on the month whose principal first exceeds its interest.
QChart* balanceChart(const calculators::LoanChartData& data, const QString& prepaidName, const QFont& font);

// Principal and interest paid in each year, stacked.
QChart* yearlyChart(const calculators::LoanChartData& data, const QFont& font);

// Draws the charts one below the other on one page, each laid out at the given size (as on screen) and
// scaled to its share of the printable area. The charts are taken over and freed.
void printCharts(QPrinter& printer, const std::vector<QChart*>& charts, QSizeF layoutSize);

} // namespace shell
