// Windows on small and scaled screens: where a frame goes, every window wholly on the screen when it opens, and
// the resizable windows low enough for a laptop at 125 % with nothing cut. ctest runs these on screens of 1366×768
// and 1920×1080 at scale factors 1, 1.25, 1.5 and 2 too.
#include "Controls.h"
#include "LoanOpening.h"
#include "RecordingDialogs.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "loanoffers/LoanOffersWindow.h"
#include "program/AboutBox.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/LoanChartWindow.h"
#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

using app::AboutBox;
using app::ExtraPaymentsWindow;
using app::LoanChartWindow;
using app::LoanOffersWindow;
using app::MainWindow;
using app::MatrixWindow;
using app::PrepaymentWindow;
using app::ScheduleWindow;

namespace {

TEST(ScreenFit, FramesAreCentredInsideTheScreenOrStartAtItsCorner)
{
    const struct
    {
        const char* name;
        QSize frame, smallest;
        QRect available, placed;
    } cases[] = {
        { "fits: centred", { 1008, 656 }, { 530, 300 }, { 0, 0, 1920, 1040 }, { 456, 192, 1008, 656 } },
        { "too low, fixed: at the top", { 635, 483 }, { 635, 483 }, { 0, 16, 683, 368 }, { 24, 16, 635, 483 } },
        { "too low, resizable: shrunk", { 1008, 656 }, { 530, 300 }, { 0, 0, 1093, 584 }, { 42, 0, 1008, 584 } },
        { "cannot shrink enough: at the corner", { 1008, 700 }, { 800, 700 }, { 0, 0, 683, 384 }, { 0, 0, 800, 700 } },
        { "panel on the left", { 1400, 500 }, { 1400, 500 }, { 48, 0, 1318, 768 }, { 48, 134, 1400, 500 } },
        { "second screen", { 400, 300 }, { 400, 300 }, { 1366, 0, 1920, 1080 }, { 2126, 390, 400, 300 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::placedFrame(c.frame, c.smallest, c.available), c.placed) << c.name;
}

TEST(ScreenFit, EveryWindowOpensWhollyOnTheScreen)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    MainWindow main(store);
    PrepaymentWindow prepayment;
    ScheduleWindow schedule;
    MatrixWindow matrix(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    AboutBox about;
    LoanChartWindow chart;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
    auto* planner = main.findChild<ExtraPaymentsWindow*>();
    ASSERT_NE(planner, nullptr);
    main.activateWindow();
    QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
    auto* offers = main.findChild<LoanOffersWindow*>();
    ASSERT_NE(offers, nullptr);
    for (QWidget* window :
        std::initializer_list<QWidget*> { &main, planner, offers, &prepayment, &schedule, &matrix, &about, &chart }) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const QRect frame = window->frameGeometry();
        const QRect room = window->screen()->availableGeometry();
        // A frame larger than the screen one way starts at the screen's edge that way.
        const bool across = frame.width() > room.width() ? frame.left() == room.left()
                                                         : frame.left() >= room.left() && frame.right() <= room.right();
        const bool down = frame.height() > room.height() ? frame.top() == room.top()
                                                         : frame.top() >= room.top() && frame.bottom() <= room.bottom();
        EXPECT_TRUE(across && down) << window->objectName().toStdString() << " at " << frame.x() << "," << frame.y()
                                    << " " << frame.width() << "x" << frame.height();
    }
}

// A control is cut when it is smaller than it needs (a push button: its text and icon) or reaches past the window;
// in a scroll area it may be scrolled away, but it must fit the area's width.
bool isCut(const QWidget& window, QWidget* control)
{
    const QScrollArea* scroll = nullptr;
    for (QWidget* up = control->parentWidget(); up != &window && !scroll; up = up->parentWidget())
        scroll = qobject_cast<QScrollArea*>(up);
    const QWidget* clip = scroll ? scroll->viewport() : &window;
    const QRect room(clip->mapTo(&window, QPoint(0, 0)), clip->size());
    const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
    QSize needed = control->minimumSizeHint();
    if (const auto* button = qobject_cast<QPushButton*>(control))
        needed.setWidth(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width()
            + (button->icon().isNull() ? 0 : button->iconSize().width() + 4));
    return at.width() < needed.width() || at.height() < needed.height() || at.left() < room.left()
        || at.right() > room.right() || (!scroll && (at.top() < room.top() || at.bottom() > room.bottom()));
}

TEST(ScreenFit, ResizableWindowsFitALaptopAt125PercentWithNothingCut)
{
    // 768 pixels at 125 % leave 614, less a panel and the title bar.
    const int lowest = 560;
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    LoanOffersWindow offers;
    offers.startWith(QDate(2026, 12, 9));
    LoanChartWindow chart;
    for (QWidget* window : std::initializer_list<QWidget*> { &planner, &offers, &chart }) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_LE(window->minimumSizeHint().expandedTo(window->minimumSize()).height(), lowest);
        for (const QSize size : { QSize(1, 1), QSize(1, lowest), QSize(1600, 1) }) {
            window->resize(size);
            QCoreApplication::processEvents();
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool ours = control->isVisibleTo(window) && control->window() == window
                    && !control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_"));
                if (!ours || (control->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel*>(control)))
                    continue;
                EXPECT_FALSE(isCut(*window, control))
                    << control->objectName().toStdString() << " at " << window->width() << "x" << window->height();
            }
        }
        // At its smallest, a scrolled field that takes the focus, by Tab or by a warning, comes into view whole;
        // the check boxes are checked, so that no field is greyed.
        for (auto* check : window->findChildren<QCheckBox*>())
            check->setChecked(true);
        window->resize(1, 1);
        QCoreApplication::processEvents();
        for (auto* scroll : window->findChildren<QScrollArea*>(QStringLiteral("FieldsScroll")))
            for (QWidget* field : scroll->widget()->findChildren<QWidget*>()) {
                if (!(field->focusPolicy() & Qt::TabFocus) || !field->isVisibleTo(window)
                    || field->objectName().isEmpty() || field->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                field->setFocus();
                QCoreApplication::processEvents();
                const QRect shown(field->mapTo(scroll->viewport(), QPoint(0, 0)), field->size());
                EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << field->objectName().toStdString();
            }
    }
}

// The planner opened as the Tools menu opens it, on whatever screen and scale: Tab reaches the every-two-weeks
// check box, which is scrolled into view as it takes the focus, one-time rows in the table or not.
TEST(ScreenFit, TabReachesTheEveryTwoWeeksCheckInView)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    MainWindow main(store);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_E, Qt::ControlModifier);
    auto* planner = main.findChild<ExtraPaymentsWindow*>();
    ASSERT_NE(planner, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(planner));
    auto* scroll = find<QScrollArea>(*planner, "FieldsScroll");
    for (const bool rows : { false, true }) {
        SCOPED_TRACE(rows ? "with a one-time row" : "without one-time rows");
        if (rows)
            find<QPushButton>(*planner, "AddRowButton")->click();
        find(*planner, "RateEdit")->setFocus();
        QStringList reached;
        for (int press = 0; press < 40 && !reached.contains(QStringLiteral("CalculateButton")); ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCoreApplication::processEvents();
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            reached.append(focus->objectName());
            if (focus->objectName() != QLatin1String("EveryTwoWeeksCheck"))
                continue;
            const QRect shown(focus->mapTo(scroll->viewport(), QPoint(0, 0)), focus->size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
        }
        EXPECT_TRUE(reached.contains(QStringLiteral("EveryTwoWeeksCheck"))) << reached.join(u' ').toStdString();
    }
}

} // namespace
