// The main window from the keyboard: each page's focus chain and what Enter presses.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

using app::ExtraPaymentsWindow;
using app::MainWindow;
using app::PrepaymentWindow;

namespace {

class KeyboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        window.loanPage()->setPrepaymentWindow(&prepayment);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name)
    {
        return find<Widget>(window, name);
    }

    QString focusName() const
    {
        const QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return QStringLiteral("(none)");
        return qobject_cast<const QTabBar*>(focus) ? QStringLiteral("tabs") : focus->objectName();
    }

    // Calculates the default loan of 100000 with the keyboard, which also enables Schedule and PrePay.
    void calculateLoan()
    {
        control<QLineEdit>("AmountEdit")->setText(QStringLiteral("100000"));
        QTest::keyClick(control("AmountEdit"), Qt::Key_Return);
        ASSERT_EQ(control<QLabel>("LoanResultLabel")->text(), QStringLiteral("Monthly Payment =  $898.83"));
    }

    // Calculates the college and retirement pages, which reveals their savings plans.
    void revealPlans()
    {
        // Each page is opened before it is typed into, as the user does, so its controls are built then.
        showPage("CollegeTab");
        control<QLineEdit>("ChildAgeEdit")->setText(QStringLiteral("5"));
        control<QPushButton>("CollegeCalculateButton")->click();
        showPage("RetirementTab");
        control<QLineEdit>("CurrentAgeEdit")->setText(QStringLiteral("35"));
        control<QLineEdit>("MonthlyIncomeEdit")->setText(QStringLiteral("3000"));
        control<QPushButton>("RetirementCalculateButton")->click();
        showPage("LoanTab");
        ASSERT_TRUE(recordedDialogs().shown.empty());
    }

    void showPage(const char* name) { control<QTabWidget>("CalculatorTabs")->setCurrentWidget(control(name)); }

    // The names of the widgets that Tab reaches from the page tabs.
    QString tabChain(int presses)
    {
        control<QTabBar>("qt_tabwidget_tabbar")->setFocus();
        QStringList chain;
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << focusName();
        }
        return chain.join(u' ');
    }

    app::ReturningUserStore store;
    MainWindow window { store };
    PrepaymentWindow prepayment;
};

TEST_F(KeyboardTest, TabWalksTheLoanPageInItsOrder)
{
    calculateLoan();
    const QString report = control<QPlainTextEdit>("LoanReportText")->toPlainText();
    EXPECT_EQ(tabChain(15).toStdString(),
        std::string("SolveForPaymentRadio RateEdit YearsEdit PaymentEdit AmountEdit CalculateButton MatrixButton "
                    "ScheduleButton PrepayButton ReportPrintButton LoanReportText InstructionsText ExitButton tabs "
                    "SolveForPaymentRadio"));
    // Tab moved on from the report instead of typing into it.
    EXPECT_EQ(control<QPlainTextEdit>("LoanReportText")->toPlainText(), report);
}

TEST_F(KeyboardTest, TabWalksTheOtherPagesInTheirOrder)
{
    revealPlans();
    const struct
    {
        const char* page;
        const char* chain;
    } cases[] = {
        { "RefinanceTab",
            "CurrentPaymentEdit RefinancedAmountEdit RefinancedYearsEdit RefinancedRateEdit ClosingCostsEdit "
            "PointsEdit RefinanceCalculateButton "
            "ExitButton tabs" },
        { "CollegeTab",
            "CollegeCalculateButton ChildAgeEdit StartingAgeEdit AnnualCostEdit CollegeYearsEdit CostIncreaseEdit "
            "CurrentFundEdit FundGrowthEdit CollegePlanText "
            "CollegePrintButton CollegeHowToButton ExitButton tabs" },
        { "RetirementTab",
            "CurrentAgeEdit RetirementAgeEdit MonthlyIncomeEdit RetirementYearsEdit GrowthRateEdit InflationEdit "
            "RetirementCalculateButton RetirementHowToButton RetirementFundEdit RetirementPlanText "
            "RetirementPrintButton ExitButton "
            "tabs" },
        { "SavingsTab",
            "SavingsRateEdit SavingsYearsEdit CurrentSavingsEdit ContributionEdit AnnuallyRadio GrowthCalculateButton "
            "CurrentValueEdit DesiredValueEdit GrowYearsEdit ReturnCalculateButton ExitButton tabs" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        showPage(c.page);
        const auto presses = static_cast<int>(QString::fromLatin1(c.chain).count(u' ')) + 1;
        EXPECT_EQ(tabChain(presses).toStdString(), std::string(c.chain));
    }
}

TEST_F(KeyboardTest, EnterPressesEachPagesDefaultButton)
{
    revealPlans();
    const struct
    {
        const char* page;
        const char* focus;
        const char* pressed; // nullptr: the page has no default button
    } cases[] = {
        { "RefinanceTab", "RefinancedRateEdit", "RefinanceCalculateButton" },
        { "CollegeTab", "AnnualCostEdit", "CollegeCalculateButton" },
        // A plan section's fields run its How To; the rest of the page runs Calculate.
        { "CollegeTab", "FundGrowthEdit", "CollegeHowToButton" },
        { "CollegeTab", "CurrentFundEdit", "CollegeHowToButton" },
        { "RetirementTab", "RetirementFundEdit", "RetirementHowToButton" },
        { "RetirementTab", "InflationEdit", "RetirementCalculateButton" },
        { "CollegeTab", "CollegeHowToButton", "CollegeHowToButton" },
        { "RetirementTab", "MonthlyIncomeEdit", "RetirementCalculateButton" },
        { "SavingsTab", "SavingsYearsEdit", nullptr },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        showPage(c.page);
        QObject listening;
        QStringList pressed;
        for (QAbstractButton* button : control(c.page)->findChildren<QAbstractButton*>()) {
            QObject::connect(
                button, &QAbstractButton::clicked, &listening, [&pressed, button] { pressed << button->objectName(); });
        }
        control(c.focus)->setFocus();
        QTest::keyClick(control(c.focus), Qt::Key_Return);
        EXPECT_EQ(pressed.join(u' ').toStdString(), c.pressed ? c.pressed : "");
    }
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonOrElseCalculate)
{
    // At start-up focus sits on the page tabs: Enter calculates from there too (and warns about the amount 0).
    ASSERT_EQ(focusName(), QStringLiteral("tabs"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Warning);

    for (const char* place :
        { "RateEdit", "SolveForAmountRadio", "InstructionsText", "qt_tabwidget_tabbar", "AmountEdit" }) {
        SCOPED_TRACE(place);
        control<QLabel>("LoanResultLabel")->clear();
        control<QLineEdit>("AmountEdit")->setText(QStringLiteral("100000"));
        QTest::keyClick(control(place), Qt::Key_Enter);
        EXPECT_FALSE(control<QLabel>("LoanResultLabel")->text().isEmpty());
    }

    // A focused button is pressed itself: PrePay shows its window and does not calculate.
    recordedDialogs().reset();
    control<QLineEdit>("RateEdit")->setText(QStringLiteral("abc"));
    control("PrepayButton")->setFocus();
    QTest::keyClick(control("PrepayButton"), Qt::Key_Return);
    EXPECT_TRUE(prepayment.isVisible());
    EXPECT_TRUE(recordedDialogs().shown.empty());

    // The editable report takes Enter as a new line.
    auto* report = control<QPlainTextEdit>("LoanReportText");
    const int lines = report->blockCount();
    report->setFocus();
    QTest::keyClick(report, Qt::Key_Return);
    EXPECT_EQ(report->blockCount(), lines + 1);
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

// Claims Ctrl+E for the field it watches, as a text field does where Ctrl+E is its end-of-line key (the X11 key
// bindings of Linux desktops; the offscreen test platform binds only End).
class ClaimsCtrlE final : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride
            || static_cast<QKeyEvent*>(event)->keyCombination() != (Qt::ControlModifier | Qt::Key_E))
            return false;
        event->accept();
        return true;
    }
};

// A text field claims Ctrl+E for itself; the planner's menu key still opens the planner from every field, and
// leaves the field's text alone.
TEST_F(KeyboardTest, CtrlEOpensThePlannerFromEveryField)
{
    const struct
    {
        const char* page;
        const char* focus;
    } cases[] = {
        { "LoanTab", "RateEdit" },
        { "LoanTab", "LoanReportText" },
        { "RefinanceTab", "RefinancedRateEdit" },
        { "RetirementTab", "InflationEdit" },
        { "SavingsTab", "SavingsYearsEdit" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        showPage(c.page);
        QWidget* focus = control(c.focus);
        ClaimsCtrlE claims;
        focus->installEventFilter(&claims);
        focus->setFocus();
        const auto* line = qobject_cast<QLineEdit*>(focus);
        const QString text = line ? line->text() : QString();
        QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
        const auto planners = window.findChildren<ExtraPaymentsWindow*>();
        ASSERT_EQ(planners.size(), 1);
        EXPECT_TRUE(planners.first()->isVisible());
        EXPECT_EQ(line ? line->text() : QString(), text);
        planners.first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Every result can be selected with the mouse and copied with Ctrl+C, while Tab still passes it by and it
// stays read-only.
TEST_F(KeyboardTest, ResultsCanBeSelectedAndCopied)
{
    const struct
    {
        QWidget* root;
        const char* page; // nullptr: the prepayment window
        const char* result;
    } cases[] = {
        { &window, "LoanTab", "LoanResultLabel" },
        { &window, "RefinanceTab", "NewPaymentPanel" },
        { &window, "RefinanceTab", "MonthlySavingsPanel" },
        { &window, "RefinanceTab", "TotalClosingCostsPanel" },
        { &window, "RefinanceTab", "BreakEvenPanel" },
        { &window, "CollegeTab", "CostResultLabel" },
        { &window, "RetirementTab", "NeedResultLabel" },
        { &window, "SavingsTab", "GrowthResultPanel" },
        { &window, "SavingsTab", "ReturnResultPanel" },
        { &prepayment, nullptr, "NormalInterestValueLabel" },
        { &prepayment, nullptr, "PrepaidInterestValueLabel" },
        { &prepayment, nullptr, "InterestSavingsValueLabel" },
        { &prepayment, nullptr, "MonthsReducedValueLabel" },
    };
    calculateLoan();
    control<QPushButton>("PrepayButton")->click();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        if (c.page)
            showPage(c.page);
        auto* label = find<QLabel>(*c.root, c.result);
        ASSERT_NE(label, nullptr);
        for (QWidget* shown = label; !shown->isWindow() && !shown->parentWidget()->inherits("QStackedWidget");
             shown = shown->parentWidget())
            shown->setVisible(true);
        label->setText(QStringLiteral("$1,234.56"));
        label->setFocus(Qt::MouseFocusReason);
        label->setSelection(0, static_cast<int>(label->text().size()));
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("$1,234.56"));
        QTest::keyClicks(label, QStringLiteral("9"));
        EXPECT_EQ(label->text(), QStringLiteral("$1,234.56"));
        EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus);
    }
}

} // namespace
