// The Tools menu's keys from every window of the program: each opens its Tools window where the user can type in
// it, above a modal window too.
#include "Controls.h"
#include "LoanOpening.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/MatrixWindow.h"
#include "loan/PrepaymentWindow.h"
#include "loan/ScheduleWindow.h"
#include "loanoffers/LoanOffersWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/LoanChartWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

using app::MainWindow;

namespace {

// Where a key is pressed: a window of some kind, opened over the main window, calls press with the widget that
// has its focus while it is shown, then closes.
using WindowKind = std::function<void(MainWindow& main, const std::function<void(QWidget*)>& press)>;

void inModal(QDialog& modal, const std::function<void(QWidget*)>& press)
{
    whenModalShows([&press](QWidget* shown) {
        press(QApplication::focusWidget() ? QApplication::focusWidget() : shown);
        shown->close();
    });
    modal.exec();
}

// The main window's Tools window of the class, when one is open.
QWidget* toolWindow(MainWindow& main, const char* className)
{
    for (QWidget* child : main.findChildren<QWidget*>())
        if (child->isWindow() && child->inherits(className))
            return child;
    return nullptr;
}

// A Tools window opened from the menu, its first field focused.
void inTool(MainWindow& main, const char* action, const char* className, const std::function<void(QWidget*)>& press)
{
    find<QAction>(main, action)->trigger();
    QWidget* tool = toolWindow(main, className);
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool));
    press(QApplication::focusWidget());
}

struct ToolKeyCase
{
    const char* name;
    WindowKind open;
    QKeyCombination key;
    const char* toolClass;
};

void PrintTo(const ToolKeyCase& shown, std::ostream* out)
{
    *out << shown.name;
}

class ToolKeys : public ::testing::TestWithParam<ToolKeyCase>
{ };

TEST_P(ToolKeys, OpenTheirWindowReadyToTypeIn)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    MainWindow main(store);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    bool opened = false;
    GetParam().open(main, [&opened, &main](QWidget* focus) {
        ASSERT_NE(focus, nullptr);
        const auto* line = qobject_cast<QLineEdit*>(focus);
        const QString text = line ? line->text() : QString();
        const QWidget* from = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : focus->window();
        const bool fromOnTop = from->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QTest::keyClick(focus, GetParam().key.key(), GetParam().key.keyboardModifiers());
        QWidget* tool = toolWindow(main, GetParam().toolClass);
        ASSERT_NE(tool, nullptr);
        EXPECT_TRUE(tool->isVisible());
        // Nothing blocks it: no modal window, or the tool is the one above the others; above a window that stays on
        // top it stays on top too, or the window manager keeps it below that window.
        const QWidget* modal = QApplication::activeModalWidget();
        EXPECT_TRUE(!modal || modal == tool);
        EXPECT_EQ(tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint), fromOnTop);
        EXPECT_EQ(line ? line->text() : QString(), text);
        opened = true;
        tool->close();
    });
    EXPECT_TRUE(opened);
}

const WindowKind mainWindow
    = [](MainWindow& main, const std::function<void(QWidget*)>& press) { press(find(main, "RateEdit")); };
const WindowKind planner = [](MainWindow& main, const std::function<void(QWidget*)>& press) {
    inTool(main, "ExtraPaymentsPlannerAction", "app::ExtraPaymentsWindow", press);
};
const WindowKind offers = [](MainWindow& main, const std::function<void(QWidget*)>& press) {
    inTool(main, "CompareLoanOffersAction", "app::LoanOffersWindow", press);
};
const WindowKind prepayment = [](MainWindow&, const std::function<void(QWidget*)>& press) {
    app::PrepaymentWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(QApplication::focusWidget() ? QApplication::focusWidget() : &window);
};
const WindowKind schedule = [](MainWindow&, const std::function<void(QWidget*)>& press) {
    app::ScheduleWindow window;
    window.showSchedule(calculators::amortizationSchedule(7, 12, 100000));
    inModal(window, press);
};
const WindowKind matrix = [](MainWindow&, const std::function<void(QWidget*)>& press) {
    app::MatrixWindow window(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    inModal(window, press);
};
const WindowKind chart = [](MainWindow&, const std::function<void(QWidget*)>& press) {
    whenModalShows([&press](QWidget* shown) {
        press(QApplication::focusWidget() ? QApplication::focusWidget() : shown);
        shown->close();
    });
    app::showLoanChart(calculators::amortizationSchedule(7, 360, 150000), std::nullopt);
};

constexpr QKeyCombination ctrlE(Qt::ControlModifier, Qt::Key_E);
constexpr QKeyCombination ctrlL(Qt::ControlModifier, Qt::Key_L);

INSTANTIATE_TEST_SUITE_P(EveryWindow, ToolKeys,
    ::testing::Values(ToolKeyCase { "MainWindow_CtrlE", mainWindow, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "MainWindow_CtrlL", mainWindow, ctrlL, "app::LoanOffersWindow" },
        ToolKeyCase { "Planner_CtrlL", planner, ctrlL, "app::LoanOffersWindow" },
        ToolKeyCase { "Offers_CtrlE", offers, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "Prepayment_CtrlE", prepayment, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "Prepayment_CtrlL", prepayment, ctrlL, "app::LoanOffersWindow" },
        ToolKeyCase { "Schedule_CtrlE", schedule, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "Schedule_CtrlL", schedule, ctrlL, "app::LoanOffersWindow" },
        ToolKeyCase { "Matrix_CtrlE", matrix, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "Matrix_CtrlL", matrix, ctrlL, "app::LoanOffersWindow" },
        ToolKeyCase { "Chart_CtrlE", chart, ctrlE, "app::ExtraPaymentsWindow" },
        ToolKeyCase { "Chart_CtrlL", chart, ctrlL, "app::LoanOffersWindow" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
