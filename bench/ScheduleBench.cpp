// A 600-month schedule: from the Schedule press to the new window's first paint, and the grid fill alone,
// each against the toolkit's floor (an empty window of the same kind, the same grid filled with ready texts).
#include "Bench.h"
#include "BenchStats.h"
#include "BenchWindows.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "loan/ScheduleWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <optional>

using app::ScheduleWindow;

namespace {

// Ends the modal window of the given class once its first paint has been flushed, noting the moment.
class PaintedThenClosed final : public QObject
{
public:
    explicit PaintedThenClosed(const char* className)
        : className(className)
    {
        qApp->installEventFilter(this);
    }
    ~PaintedThenClosed() override { qApp->removeEventFilter(this); }

    std::optional<BenchClock::time_point> painted;
    double paintedCpu = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && !closing) {
            QWidget* window = qobject_cast<QWidget*>(watched)->window();
            if (window->inherits(className)) {
                closing = true;
                QTimer::singleShot(0, window, [this, window] {
                    painted = BenchClock::now();
                    paintedCpu = threadCpuMilliseconds();
                    window->close();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* className;
    bool closing = false;
};

struct PaintTimes
{
    double wall = -1;
    double processor = -1;
};

PaintTimes pressToPaint(const std::function<void()>& press, const char* className)
{
    PaintedThenClosed probe(className);
    const auto start = BenchClock::now();
    const double cpuStart = threadCpuMilliseconds();
    press();
    if (!probe.painted)
        return {};
    return { std::chrono::duration<double, std::milli>(*probe.painted - start).count(), probe.paintedCpu - cpuStart };
}

class FloorDialog final : public QDialog
{
    Q_OBJECT
};

} // namespace

void benchSchedule(const BenchOptions& options)
{
    BenchWindows windows;
    windows.main->show();
    QApplication::processEvents();
    for (const auto& [name, text] :
        { std::pair { "RateEdit", "7" }, { "YearsEdit", "50" }, { "AmountEdit", "150000" } })
        windows.main->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    windows.main->findChild<QAbstractButton*>(QStringLiteral("CalculateButton"))->click();
    auto* scheduleButton = windows.main->findChild<QAbstractButton*>(QStringLiteral("ScheduleButton"));

    // The schedule window's size and flags, which the empty dialog takes.
    const ScheduleWindow sized;
    Samples shown, shownCpu, floorShown;
    for (int i = 0; i < options.scheduleRuns; ++i) {
        const PaintTimes times = pressToPaint([&] { scheduleButton->click(); }, "app::ScheduleWindow");
        shown.values.push_back(times.wall);
        shownCpu.values.push_back(times.processor);
        floorShown.values.push_back(pressToPaint(
            [&] {
                FloorDialog dialog;
                dialog.setFixedSize(sized.size());
                dialog.setWindowFlags(sized.windowFlags());
                dialog.exec();
            },
            "FloorDialog")
                                        .wall);
        QApplication::processEvents();
    }
    printFigure("600-month schedule, press to window painted", shown, "ms");
    printFigure("  the same, processor time", shownCpu, "ms");
    printTarget(shownCpu.median(), 20, "ms");
    printFigure("empty dialog of its size, shown to painted", floorShown, "ms");
    printRatio("empty dialog", pairedRatio(shown, floorShown));

    const auto schedule = calculators::amortizationSchedule(7, 600, 150000);
    Samples fill, floorFill;
    for (int i = 0; i < options.scheduleRuns; ++i) {
        ScheduleWindow window;
        const double start = threadCpuMilliseconds();
        window.showSchedule(schedule);
        fill.values.push_back(threadCpuMilliseconds() - start);

        // The same grid, the same cells, texts made beforehand.
        QTableWidget grid(0, 4);
        QStringList texts;
        for (int cell = 0; cell < 600 * 4; ++cell)
            texts.append(QStringLiteral("$1,234.%1").arg(cell % 100, 2, 10, QLatin1Char('0')));
        const double floorStart = threadCpuMilliseconds();
        grid.setRowCount(600);
        for (int cell = 0; cell < 600 * 4; ++cell) {
            auto* item = new QTableWidgetItem(texts[cell]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            grid.setItem(cell / 4, cell % 4, item);
        }
        floorFill.values.push_back(threadCpuMilliseconds() - floorStart);
    }
    printFigure("600-month schedule, grid fill alone (processor)", fill, "ms");
    printTarget(fill.median(), 5, "ms");
    printFigure("the same grid filled with ready texts", floorFill, "ms");
    printRatio("ready-text fill", pairedRatio(fill, floorFill));
}

#include "ScheduleBench.moc"

#include <chrono>
#include <functional>
#include <utility>
