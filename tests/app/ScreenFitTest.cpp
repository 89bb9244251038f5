// Windows on small and scaled screens: where a window's frame goes, every window wholly on the screen when it
// opens, and the resizable windows low enough for a laptop at 125 % with none of their controls cut. ctest
// runs these on screens of 1366×768 and 1920×1080 at scale factors 1, 1.25, 1.5 and 2 too.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "shell/FirstRunStore.h"
#include "shell/WindowPlacement.h"
#include "windows/AboutBox.h"
#include "windows/ExtraPaymentsWindow.h"
#include "windows/LoanChartWindow.h"
#include "windows/MainWindow.h"
#include "windows/MatrixWindow.h"
#include "windows/PrepaymentWindow.h"
#include "windows/ScheduleWindow.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

TEST(ScreenFit, FramesAreCentredInsideTheScreenOrStartAtItsCorner)
{
    const struct
    {
        const char* name;
        QSize frame;
        QSize smallest;
        QRect available;
        QRect placed;
    } cases[] = {
        { "planner at 100 % on 1920x1080 above a panel", { 1008, 656 }, { 530, 300 }, { 0, 0, 1920, 1040 },
            { 456, 192, 1008, 656 } },
        { "main window at 150 % on 1366x768", { 635, 483 }, { 635, 483 }, { 0, 0, 910, 512 }, { 137, 14, 635, 483 } },
        { "main window at 200 % on 1366x768 below a top panel", { 635, 483 }, { 635, 483 }, { 0, 16, 683, 368 },
            { 24, 16, 635, 483 } },
        { "planner at 125 % on 1366x768 made as low as the screen", { 1008, 656 }, { 530, 300 }, { 0, 0, 1093, 584 },
            { 42, 0, 1008, 584 } },
        { "planner at 200 % on 1366x768 made as small as the screen", { 1008, 656 }, { 530, 300 }, { 0, 0, 683, 384 },
            { 0, 0, 683, 384 } },
        { "a window that cannot shrink enough starts at the corner", { 1008, 700 }, { 800, 700 }, { 0, 0, 683, 384 },
            { 0, 0, 800, 700 } },
        { "a panel on the left", { 1400, 500 }, { 1400, 500 }, { 48, 0, 1318, 768 }, { 48, 134, 1400, 500 } },
        { "a second screen to the right", { 400, 300 }, { 400, 300 }, { 1366, 0, 1920, 1080 },
            { 2126, 390, 400, 300 } },
        { "a window exactly the screen's size", { 683, 384 }, { 683, 384 }, { 0, 0, 683, 384 }, { 0, 0, 683, 384 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(app::placedFrame(c.frame, c.smallest, c.available), c.placed);
    }
}

// What is wrong with a window's place on its screen: a frame that could be wholly on it and is not, or one
// too large for it that does not start at its top-left corner.
std::string offScreen(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect room = window.screen()->availableGeometry();
    const auto axis = [](int start, int length, int roomStart, int roomLength) {
        return length <= roomLength ? start >= roomStart && start + length <= roomStart + roomLength
                                    : start == roomStart;
    };
    if (axis(frame.x(), frame.width(), room.x(), room.width())
        && axis(frame.y(), frame.height(), room.y(), room.height()))
        return {};
    return window.objectName().toStdString() + " at " + std::to_string(frame.x()) + "," + std::to_string(frame.y())
        + " " + std::to_string(frame.width()) + "x" + std::to_string(frame.height()) + " on "
        + std::to_string(room.width()) + "x" + std::to_string(room.height());
}

TEST(ScreenFit, EveryWindowOpensWhollyOnTheScreen)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    TForm1 main(store);
    TForm5 prepayment;
    TAmortSch schedule;
    TFormMatrix matrix({ QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7") });
    TFormAbout about;
    LoanChartWindow chart;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
    auto* planner = main.findChild<ExtraPaymentsWindow*>();
    ASSERT_NE(planner, nullptr);
    for (QWidget* window :
        std::initializer_list<QWidget*> { &main, planner, &prepayment, &schedule, &matrix, &about, &chart }) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        EXPECT_EQ(offScreen(*window), "");
    }
}

// The controls of a window that are cut: smaller than they need, or reaching past the window's edge. In a
// scroll area a control may be scrolled out of view, but it must fit the area's width.
std::string cutControls(const QWidget& window)
{
    std::string cut;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool shown = control->isVisibleTo(&window) && control->window() == &window;
        const bool ours = !control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_"));
        const bool kind = qobject_cast<QLabel*>(control) || qobject_cast<QLineEdit*>(control)
            || qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control)
            || qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QAbstractItemView*>(control)
            || qobject_cast<QPlainTextEdit*>(control);
        if (!shown || !ours || !kind)
            continue;
        const QScrollArea* scroll = nullptr;
        for (QWidget* up = control->parentWidget(); up && up != &window && !scroll; up = up->parentWidget())
            scroll = qobject_cast<QScrollArea*>(up);
        const QWidget* clip = scroll ? scroll->viewport() : &window;
        const QRect room(clip->mapTo(&window, QPoint(0, 0)), clip->size());
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        QSize needed = control->minimumSizeHint();
        // A push button's hint adds the style's generous margins; its text and icon are what must fit.
        if (const auto* button = qobject_cast<QPushButton*>(control)) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            needed.setWidth(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + icon);
        }
        const bool squashed = at.width() < needed.width() || at.height() < needed.height();
        const bool outside = at.left() < room.left() || at.right() > room.right()
            || (!scroll && (at.top() < room.top() || at.bottom() > room.bottom()));
        if (squashed || outside)
            cut += control->objectName().toStdString() + " ";
    }
    return cut;
}

TEST(ScreenFit, ResizableWindowsFitALaptopAt125PercentWithNothingCut)
{
    // 768 pixels at 125 % leave 614, less a panel and the title bar.
    const int lowest = 560;
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    LoanChartWindow chart;
    for (QWidget* window : std::initializer_list<QWidget*> { &planner, &chart }) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_LE(smallest.height(), lowest);
        for (const QSize size : { QSize(1, 1), QSize(1, lowest), QSize(1600, 1) }) {
            window->resize(size);
            QCoreApplication::processEvents();
            EXPECT_EQ(cutControls(*window), "") << window->width() << "x" << window->height();
        }
    }
}

// On a low screen the planner's fields scroll; a field that takes the focus, by Tab or by a warning, comes into view.
TEST(ScreenFit, AFieldThatTakesTheFocusScrollsIntoView)
{
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    planner.show();
    planner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&planner));
    planner.resize(1, 1);
    QCoreApplication::processEvents();
    const QWidget* view = find<QScrollArea>(planner, "FieldsScroll")->viewport();
    for (const char* name : { "EveryTwoWeeksCheck", "RateEdit", "YearlyFromYearEdit", "AddRowButton" }) {
        SCOPED_TRACE(name);
        QWidget* field = find(planner, name);
        field->setFocus();
        QCoreApplication::processEvents();
        const QRect shown(field->mapTo(view, QPoint(0, 0)), field->size());
        EXPECT_TRUE(view->rect().contains(shown));
    }
}

} // namespace
