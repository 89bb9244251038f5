// The main window from the keyboard: each page's focus chain and what Enter presses.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "pages/LoanPage.h"
#include "shell/FirstRunStore.h"
#include "windows/ExtraPaymentsWindow.h"
#include "windows/MainWindow.h"
#include "windows/PrepaymentWindow.h"

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
        control<QLineEdit>("Edit11")->setText(QStringLiteral("100000"));
        QTest::keyClick(control("Edit11"), Qt::Key_Return);
        ASSERT_EQ(control<QLabel>("LabelLoanOutput")->text(), QStringLiteral("Monthly Payment =  $898.83"));
    }

    // Calculates the college and retirement pages, which reveals their savings plans.
    void revealPlans()
    {
        // Each page is opened before it is typed into, as the user does, so its controls are built then.
        showPage("TabSheet6");
        control<QLineEdit>("Edit19")->setText(QStringLiteral("5"));
        control<QPushButton>("Button9")->click();
        showPage("TabSheet5");
        control<QLineEdit>("Edit20")->setText(QStringLiteral("35"));
        control<QLineEdit>("Edit18")->setText(QStringLiteral("3000"));
        control<QPushButton>("Button5")->click();
        showPage("TabSheet3");
        ASSERT_TRUE(recordedDialogs().shown.empty());
    }

    void showPage(const char* name) { control<QTabWidget>("PageControl1")->setCurrentWidget(control(name)); }

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
    TForm1 window { store };
    TForm5 prepayment;
};

TEST_F(KeyboardTest, TabWalksTheLoanPageInItsOrder)
{
    calculateLoan();
    const QString report = control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText();
    EXPECT_EQ(tabChain(15).toStdString(),
        std::string("RadioLoanPayment Edit9 Edit10 EditLoanPayment Edit11 ButtonCalcLoanPayment ButtonLoanMatrix "
                    "Button6 Button7 BitBtn1 MemoLoanAnalysis Memo1 Button3 tabs RadioLoanPayment"));
    // Tab moved on from the report instead of typing into it.
    EXPECT_EQ(control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText(), report);
}

TEST_F(KeyboardTest, TabWalksTheOtherPagesInTheirOrder)
{
    revealPlans();
    const struct
    {
        const char* page;
        const char* chain;
    } cases[] = {
        { "TabSheet7",
            "EditCurrentMort EditRefinMort EditRefinTerm EditRate EditCloseCosts EditPoints Button1CalcRefinance "
            "Button3 tabs" },
        { "TabSheet6",
            "Button9 Edit19 Edit22 Edit23 Edit24 Edit25 EditCurrCollegeFund EditCollFundGrowth MemoHowToCollege "
            "BitBtn2 ButtonHowToCollege Button3 tabs" },
        { "TabSheet5",
            "Edit20 Edit21 Edit18 Edit17 Edit15 Edit16 Button5 Button8 EditRetireFund MemoRetire BitBtn3 Button3 "
            "tabs" },
        { "TabSheet1", "Edit1 Edit2 Edit4 Edit3 RadioButton1 Button1 Edit13 Edit14 Edit12 Button4 Button3 tabs" },
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
        { "TabSheet7", "EditRate", "Button1CalcRefinance" },
        { "TabSheet6", "Edit23", "Button9" },
        // A plan section's fields run its How To; the rest of the page runs Calculate.
        { "TabSheet6", "EditCollFundGrowth", "ButtonHowToCollege" },
        { "TabSheet6", "EditCurrCollegeFund", "ButtonHowToCollege" },
        { "TabSheet5", "EditRetireFund", "Button8" },
        { "TabSheet5", "Edit16", "Button5" },
        { "TabSheet6", "ButtonHowToCollege", "ButtonHowToCollege" },
        { "TabSheet5", "Edit18", "Button5" },
        { "TabSheet1", "Edit2", nullptr },
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

    for (const char* place : { "Edit9", "RadioLoanAmount", "Memo1", "qt_tabwidget_tabbar", "Edit11" }) {
        SCOPED_TRACE(place);
        control<QLabel>("LabelLoanOutput")->clear();
        control<QLineEdit>("Edit11")->setText(QStringLiteral("100000"));
        QTest::keyClick(control(place), Qt::Key_Enter);
        EXPECT_FALSE(control<QLabel>("LabelLoanOutput")->text().isEmpty());
    }

    // A focused button is pressed itself: PrePay shows its window and does not calculate.
    recordedDialogs().reset();
    control<QLineEdit>("Edit9")->setText(QStringLiteral("abc"));
    control("Button7")->setFocus();
    QTest::keyClick(control("Button7"), Qt::Key_Return);
    EXPECT_TRUE(prepayment.isVisible());
    EXPECT_TRUE(recordedDialogs().shown.empty());

    // The editable report takes Enter as a new line.
    auto* report = control<QPlainTextEdit>("MemoLoanAnalysis");
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
        { "TabSheet3", "Edit9" },
        { "TabSheet3", "MemoLoanAnalysis" },
        { "TabSheet7", "EditRate" },
        { "TabSheet5", "Edit16" },
        { "TabSheet1", "Edit2" },
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
        { &window, "TabSheet3", "LabelLoanOutput" },
        { &window, "TabSheet7", "Panel4" },
        { &window, "TabSheet7", "PanelMonthlySavings" },
        { &window, "TabSheet7", "PanelCloseCosts" },
        { &window, "TabSheet7", "PanelBreakEven" },
        { &window, "TabSheet6", "Label44" },
        { &window, "TabSheet5", "Label40" },
        { &window, "TabSheet1", "Panel1" },
        { &window, "TabSheet1", "Panel7" },
        { &prepayment, nullptr, "Label5" },
        { &prepayment, nullptr, "Label6" },
        { &prepayment, nullptr, "Label7" },
        { &prepayment, nullptr, "Label10" },
    };
    calculateLoan();
    control<QPushButton>("Button7")->click();
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
