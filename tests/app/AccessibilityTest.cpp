// Every window for screen readers and the keyboard: names, descriptions, caption buddies, focus chains.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "program/AboutBox.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/BuiltOnFirstShow.h"
#include "widgets/LoanChartWindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using app::AboutBox;
using app::ExtraPaymentsWindow;
using app::LoanChartWindow;
#include "LoanOpening.h"
using app::MainWindow;
using app::MatrixWindow;
using app::PrepaymentWindow;
using app::ScheduleWindow;

namespace {

// The controls a user reaches with Tab, without the parts that Qt builds inside its own widgets, such as a
// combo box's list, which lives in a popup of its own.
QList<QWidget*> focusableControls(const QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool inner = widget->objectName().startsWith(QLatin1String("qt_"))
            || qobject_cast<QSpinBox*>(widget->parentWidget()) != nullptr || widget->window() != &window;
        if ((widget->focusPolicy() & Qt::TabFocus) && !inner)
            controls << widget;
    }
    return controls;
}

// What a screen reader announces for a control.
QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

class AccessibilityTest : public ::testing::Test
{
protected:
    void SetUp() override { recordedDialogs().reset(); }

    template <typename Window, typename... Arguments>
    Window& open(Arguments&&... arguments)
    {
        auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
        Window& shown = *window;
        // Every control is examined, also those of pages not shown yet.
        app::buildAll(shown);
        windows.push_back(std::move(window));
        return shown;
    }

    void openAll()
    {
        open<MainWindow>(store);
        open<PrepaymentWindow>();
        open<ScheduleWindow>();
        open<MatrixWindow>(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
        open<AboutBox>();
        open<ExtraPaymentsWindow>();
    }

    // The open window of that class.
    QWidget* opened(const char* className) const
    {
        for (const auto& window : windows)
            if (window->inherits(className))
                return window.get();
        return nullptr;
    }

    app::ReturningUserStore store;
    std::vector<std::unique_ptr<QWidget>> windows;
};

TEST_F(AccessibilityTest, EveryFocusableControlIsNamedAndDescribedByItsHint)
{
    openAll();
    int checked = 0;
    for (const auto& window : windows) {
        for (QWidget* control : focusableControls(*window)) {
            SCOPED_TRACE(window->metaObject()->className() + std::string(" ") + control->objectName().toStdString());
            EXPECT_FALSE(control->accessibleName().trimmed().isEmpty());
            EXPECT_FALSE(control->accessibleName().contains(u'&'));
            EXPECT_EQ(control->accessibleDescription(), control->toolTip());
            ++checked;
        }
    }
    EXPECT_GE(checked, 81);
}

TEST_F(AccessibilityTest, EveryCaptionIsItsFieldsBuddyAndNamesIt)
{
    openAll();
    int buddies = 0;
    for (const auto& window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            QWidget* field = label->buddy();
            if (!field || field->inherits("QAbstractButton"))
                continue;
            SCOPED_TRACE(label->objectName().toStdString());
            // The caption as read, without its shortcut mark, line breaks or the closing colon.
            QString caption = label->text().simplified().remove(u'&');
            while (caption.endsWith(u':'))
                caption.chop(1);
            EXPECT_EQ(field->accessibleName().toStdString(), caption.trimmed().toStdString());
            ++buddies;
        }
    }
    EXPECT_EQ(buddies, 52);
}

TEST_F(AccessibilityTest, ScreenReadersAnnounceTheCaptions)
{
    openAll();
    const struct
    {
        const char* window;
        const char* control;
        const char* name;
    } cases[] = {
        { "app::MainWindow", "RateEdit", "Interest Rate" },
        { "app::MainWindow", "AmountEdit", "Loan Amount" },
        { "app::MainWindow", "CalculateButton", "Calculate" },
        { "app::MainWindow", "PrepayButton", "PrePay" },
        { "app::MainWindow", "ReportPrintButton", "Print" },
        { "app::MainWindow", "LoanReportText", "Loan Information Viewing Window" },
        { "app::MainWindow", "ExitButton", "Exit Program" },
        { "app::MainWindow", "PointsEdit", "Mortgage Points (% of loan)" },
        { "app::MainWindow", "ChildAgeEdit", "Child's Age" },
        { "app::MainWindow", "CollegeHowToButton", "How To" },
        { "app::MainWindow", "MonthlyIncomeEdit", "Desired monthly income" },
        { "app::MainWindow", "WeeklyRadio", "Weekly" },
        { "app::MainWindow", "GrowYearsEdit", "Years It Will Grow?" },
        { "app::PrepaymentWindow", "StartMonthEdit", "Starting in month" },
        { "app::ScheduleWindow", "ScheduleGrid", "Amortization Schedule" },
        { "app::MatrixWindow", "RateCountSpin", "# of Rate Increments" },
        { "app::MatrixWindow", "Term2Spin", "Loan Term#2" },
        { "app::AboutBox", "OkButton", "OK" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        QWidget* window = opened(c.window);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(spokenName(find(*window, c.control)).toStdString(), std::string(c.name));
    }
}

TEST_F(AccessibilityTest, EveryDropDownListIsAnnouncedAsItsBox)
{
    openAll();
    int boxes = 0;
    for (const auto& window : windows) {
        for (QComboBox* box : window->findChildren<QComboBox*>()) {
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_EQ(spokenName(box->view()).toStdString(), box->accessibleName().toStdString());
            ++boxes;
        }
    }
    EXPECT_GE(boxes, 1);
}

TEST_F(AccessibilityTest, TabWalksTheSecondaryWindowsInTheirOrder)
{
    const struct
    {
        const char* window;
        const char* chain;
    } cases[] = {
        { "app::PrepaymentWindow",
            "ExtraPaymentEdit StartMonthEdit CalculateButton CloseButton InstructionsText ExtraPaymentEdit" },
        { "app::ScheduleWindow", "ScheduleGrid PrintButton CloseButton ScheduleGrid" },
        { "app::AboutBox", "AboutText OkButton AboutText" },
        { "app::LoanChartWindow", "ChartTabs BalanceChart PrintButton CloseButton qt_tabwidget_tabbar" },
        { "app::ExtraPaymentsWindow",
            "RateEdit YearsEdit AmountEdit FirstPaymentEdit FirstPaymentEdit FirstPaymentEdit MonthlyExtraEdit "
            "MonthlyFromEdit MonthlyThroughEdit YearlyExtraEdit YearlyMonthCombo YearlyFromYearEdit OneTimeTable "
            "AddRowButton RemoveRowButton EveryTwoWeeksCheck CalculateButton CloseButton SummaryText PlanGrid "
            "RateEdit" },
    };
    open<PrepaymentWindow>();
    open<ScheduleWindow>();
    open<AboutBox>();
    open<ExtraPaymentsWindow>();
    open<LoanChartWindow>();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        QWidget* window = opened(c.window);
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        const QStringList expected = QString::fromLatin1(c.chain).split(u' ');
        find(*window, qPrintable(expected.front()))->setFocus();
        QStringList chain { expected.front() };
        while (chain.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(chain.join(u' ').toStdString(), std::string(c.chain));
        window->hide();
    }
}

} // namespace
