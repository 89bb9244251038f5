#include "widgets/LoanChartViews.h"

#include "fields/Regional.h"
#include "regional/Formats.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsWidget>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace app {
namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QChart* newChart(const QString& title, const QFont& font)
{
    auto* chart = new QChart;
    QFont titleFont = font;
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setTitle(title);
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// Category axes label only the marks given, so the money labels are the regional format's own texts and
// no label is ever produced by a printf-style format.
QCategoryAxis* markedAxis(const QString& title, const QFont& font, qreal start)
{
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setTitleFont(font);
    axis->setLabelsFont(font);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(start);
    return axis;
}

QCategoryAxis* moneyAxis(const std::vector<calculators::AxisTick>& ticks, const QFont& font)
{
    auto* axis = markedAxis(QString(), font, ticks.empty() ? 0 : static_cast<qreal>(ticks.front().value));
    for (const calculators::AxisTick& tick : ticks)
        axis->append(text(tick.label), static_cast<qreal>(tick.value));
    if (!ticks.empty())
        axis->setRange(static_cast<qreal>(ticks.front().value), static_cast<qreal>(ticks.back().value));
    return axis;
}

// Months 0 to the last, marked every whole year or so.
QCategoryAxis* monthsAxis(std::int32_t months, const QFont& font)
{
    auto* axis = markedAxis(QStringLiteral("Month"), font, 0);
    const std::int32_t step = calculators::monthTickStep(months);
    for (std::int64_t month = 0; month <= months; month += step)
        axis->append(text(regional::integerText(static_cast<std::int32_t>(month))), static_cast<qreal>(month));
    axis->setRange(0, std::max(months, 1));
    return axis;
}

void attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* across, QAbstractAxis* down)
{
    chart.addSeries(series);
    series->attachAxis(across);
    series->attachAxis(down);
}

} // namespace

QChart* balanceChart(const calculators::LoanChartData& data, const QString& prepaidName, const QFont& font)
{
    QChart* chart = newChart(QStringLiteral("Remaining balance"), font);
    const auto months = static_cast<std::int32_t>(data.balance.size()) - 1;

    QCategoryAxis* monthAxis = monthsAxis(months, font);

    calculators::Extended lowest = 0, highest = 0;
    for (const auto* line : { &data.balance, &data.prepaidBalance })
        for (const calculators::Extended value : *line) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    QCategoryAxis* balanceAxis = moneyAxis(calculators::moneyTicks(lowest, highest, regional()), font);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    chart->addAxis(balanceAxis, Qt::AlignLeft);

    const auto line = [&](const std::vector<calculators::Extended>& balances, const QString& name) {
        auto* series = new QLineSeries;
        series->setName(name);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(balances.size()));
        for (std::size_t month = 0; month < balances.size(); ++month)
            points.append({ static_cast<qreal>(month), static_cast<qreal>(balances[month]) });
        series->replace(points);
        attach(*chart, series, monthAxis, balanceAxis);
    };
    line(data.balance, QStringLiteral("Balance"));
    if (!data.prepaidBalance.empty())
        line(data.prepaidBalance, prepaidName);

    if (data.crossoverMonth) {
        const std::int32_t month = *data.crossoverMonth;
        auto* mark = new QScatterSeries;
        mark->setObjectName(QStringLiteral("CrossoverMark"));
        mark->setName(QStringLiteral("Principal exceeds interest: month %1").arg(text(regional::integerText(month))));
        mark->setMarkerSize(9);
        mark->append(month, static_cast<qreal>(data.balance[static_cast<std::size_t>(month)]));
        attach(*chart, mark, monthAxis, balanceAxis);
    }
    return chart;
}

QChart* yearlyChart(const calculators::LoanChartData& data, const QFont& font)
{
    QChart* chart = newChart(QStringLiteral("Principal and interest paid each year"), font);
    const auto years = static_cast<std::int32_t>(data.years.size());

    auto* principal = new QBarSet(QStringLiteral("Principal"));
    auto* interest = new QBarSet(QStringLiteral("Interest"));
    calculators::Extended lowest = 0, highest = 0;
    for (const calculators::YearPaid& paid : data.years) {
        principal->append(static_cast<qreal>(paid.principal));
        interest->append(static_cast<qreal>(paid.interest));
        // Stacked bars put negative parts below zero, each part on its own side.
        lowest = std::min({ lowest, paid.principal, paid.interest, paid.principal + paid.interest });
        highest = std::max({ highest, paid.principal, paid.interest, paid.principal + paid.interest });
    }
    auto* bars = new QStackedBarSeries;
    bars->append(principal);
    bars->append(interest);

    // Bars stand at 0, 1, 2, ...: year y at y - 1.
    auto* yearAxis = markedAxis(QStringLiteral("Year"), font, -0.5);
    for (const std::int32_t year : calculators::labelledYears(years))
        yearAxis->append(text(regional::integerText(year)), year - 1);
    yearAxis->setRange(-0.5, years - 0.5);
    yearAxis->setGridLineVisible(false);
    QCategoryAxis* moneyPerYear = moneyAxis(calculators::moneyTicks(lowest, highest, regional()), font);
    chart->addAxis(yearAxis, Qt::AlignBottom);
    chart->addAxis(moneyPerYear, Qt::AlignLeft);
    attach(*chart, bars, yearAxis, moneyPerYear);
    return chart;
}

QChart* monthLinesChart(const MonthLines& lines, const QFont& font)
{
    QChart* chart = newChart(lines.title, font);
    std::size_t longest = 1;
    calculators::Extended lowest = 0, highest = 0;
    for (const MonthLine& line : lines.lines) {
        longest = std::max(longest, line.values.size());
        for (const calculators::Extended value : line.values) {
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
    }
    QCategoryAxis* monthAxis = monthsAxis(static_cast<std::int32_t>(longest) - 1, font);
    const auto ticks = calculators::moneyTicks(lowest, highest, regional());
    QCategoryAxis* moneyAxisShown = moneyAxis(ticks, font);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    chart->addAxis(moneyAxisShown, Qt::AlignLeft);

    const auto horizontal = [&](const QString& name, qreal value, Qt::PenStyle style) {
        auto* line = new QLineSeries;
        line->setName(name);
        line->append(0, value);
        line->append(static_cast<qreal>(longest - 1), value);
        QPen pen(Qt::black);
        pen.setStyle(style);
        pen.setWidth(2);
        line->setPen(pen);
        attach(*chart, line, monthAxis, moneyAxisShown);
        return line;
    };
    QLineSeries* before = nullptr;
    if (!lines.zeroLine.isEmpty())
        before = horizontal(lines.zeroLine, 0, Qt::SolidLine);
    for (const MonthLine& line : lines.lines) {
        auto* series = new QLineSeries;
        series->setName(line.name);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.values.size()));
        for (std::size_t month = 0; month < line.values.size(); ++month)
            points.append({ static_cast<qreal>(month), static_cast<qreal>(line.values[month]) });
        series->replace(points);
        attach(*chart, series, monthAxis, moneyAxisShown);
        // The chart's theme gives each line its colour as it is added; a dashed one's legend shows a stroke of it.
        if (line.dashed) {
            QPen pen = before ? before->pen() : series->pen();
            pen.setStyle(Qt::DashLine);
            series->setPen(pen);
            for (QLegendMarker* marker : chart->legend()->markers(series))
                marker->setShape(QLegend::MarkerShapeFromSeries);
        }
        before = series;
        // Hovering a line tells the month nearest the pointer, in the window's words.
        if (lines.describe)
            QObject::connect(
                series, &QLineSeries::hovered, series, [describe = lines.describe](const QPointF& point, bool entered) {
                    if (entered)
                        QToolTip::showText(QCursor::pos(), describe(static_cast<std::int32_t>(std::lround(point.x()))));
                    else
                        QToolTip::hideText();
                });
    }
    for (const MonthPoints& marks : lines.points) {
        if (marks.points.empty())
            continue;
        auto* scatter = new QScatterSeries;
        scatter->setName(marks.name);
        scatter->setMarkerSize(9);
        for (const auto& [month, value] : marks.points)
            scatter->append(static_cast<qreal>(month), static_cast<qreal>(value));
        attach(*chart, scatter, monthAxis, moneyAxisShown);
    }
    // The mark stands across the whole money axis, dashed so that it never reads as one more line.
    if (lines.mark && !ticks.empty()) {
        auto* mark = new QLineSeries;
        mark->setObjectName(QStringLiteral("MonthMark"));
        mark->setName(lines.mark->name);
        const auto month = static_cast<qreal>(lines.mark->month);
        mark->append(month, static_cast<qreal>(ticks.front().value));
        mark->append(month, static_cast<qreal>(ticks.back().value));
        QPen pen(Qt::darkGray);
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        mark->setPen(pen);
        attach(*chart, mark, monthAxis, moneyAxisShown);
    }
    return chart;
}

void drawCharts(QPainter& painter, const std::vector<QChart*>& charts, QSizeF layoutSize)
{
    // The scenes own the charts from here on.
    std::vector<std::unique_ptr<QGraphicsScene>> scenes;
    for (QChart* chart : charts) {
        scenes.push_back(std::make_unique<QGraphicsScene>());
        scenes.back()->addItem(chart);
        chart->setGeometry(QRectF(QPointF(0, 0), layoutSize));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    const QRect page = painter.viewport();
    const int share = charts.empty() ? 0 : page.height() / static_cast<int>(charts.size());
    for (std::size_t index = 0; index < scenes.size(); ++index) {
        const QRectF target(page.left(), page.top() + share * static_cast<int>(index), page.width(), share);
        scenes[index]->render(&painter, target, QRectF(QPointF(0, 0), layoutSize), Qt::KeepAspectRatio);
    }
}

} // namespace app
