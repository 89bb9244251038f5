// The main window from the keyboard: the loan page's focus chain and what Enter presses.
#include "FinCal.h"
#include "FirstRunStore.h"
#include "LoanPage.h"
#include "RecordingDialogs.h"
#include "Unit5.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NoWelcome final : public shell::FirstRunStore
{
public:
    bool hasRunBefore() const override { return true; }
    void rememberRun() override { }
};

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
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
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

    NoWelcome store;
    TForm1 window { store };
    TForm5 prepayment;
};

TEST_F(KeyboardTest, TabWalksTheLoanPageInItsOrder)
{
    calculateLoan();
    control<QTabBar>("qt_tabwidget_tabbar")->setFocus();
    const QString report = control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText();
    QStringList chain;
    for (int press = 0; press < 15; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << focusName();
    }
    EXPECT_EQ(chain.join(u' ').toStdString(),
        std::string("RadioLoanPayment Edit9 Edit10 EditLoanPayment Edit11 ButtonCalcLoanPayment ButtonLoanMatrix "
                    "Button6 Button7 BitBtn1 MemoLoanAnalysis Memo1 Button3 tabs RadioLoanPayment"));
    // Tab moved on from the report instead of typing into it.
    EXPECT_EQ(control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText(), report);
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

} // namespace
