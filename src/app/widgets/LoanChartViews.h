#pragma once

#include "calculators/LoanChartSeries.h"

#include <QFont>
#include <QSizeF>
#include <QString>
#include <vector>

class QChart;
class QPainter;

namespace app {

// The remaining balance month by month, the balance with the extra payments when there are any (under
// the given legend name), and a mark on the month whose principal first exceeds its interest.
QChart* balanceChart(const calculators::LoanChartData& data, const QString& prepaidName, const QFont& font);

// Principal and interest paid in each year, stacked.
QChart* yearlyChart(const calculators::LoanChartData& data, const QFont& font);

// Draws the charts one below the other in the painter's viewport (a printed page's printable area), each laid
// out at the given size (as on screen) and scaled to its share. The charts are taken over and freed.
void drawCharts(QPainter& painter, const std::vector<QChart*>& charts, QSizeF layoutSize);

} // namespace app
