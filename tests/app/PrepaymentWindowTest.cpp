// The prepayment window driven through its real widgets, reading the loan page of a real main window.
// Reference figures: the month loop run in 50-digit decimal arithmetic (Python's decimal module).
#include "loan/PrepaymentWindow.h"

#include "Controls.h"
#include "RecordingDialogs.h"
#include "loan/LoanPage.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using app::MainWindow;
using app::PrepaymentWindow;

namespace {

const QString extraMessage = QStringLiteral("The MONTHLY PAYMENT must be a number greater than 1. Please re-enter.");
const QString startMessage = QStringLiteral("The STARTING MONTH must be a number greater than 1. Please re-enter.");

class PrepaymentWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        window.loanPage()->setPrepaymentWindow(&prepayment);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The loan page's way in: a calculated loan enables PrePay, which shows the window.
        loanField("AmountEdit")->setText(QStringLiteral("100000"));
        QTest::mouseClick(find<QPushButton>(window, "CalculateButton"), Qt::LeftButton);
        QTest::mouseClick(find<QPushButton>(window, "PrepayButton"), Qt::LeftButton);
        ASSERT_TRUE(prepayment.isVisible());
        prepayment.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&prepayment));
    }

    QLineEdit* loanField(const char* name) { return find<QLineEdit>(window, name); }
    QLineEdit* field(const char* name) { return find<QLineEdit>(prepayment, name); }
    QString text(const char* label) { return find<QLabel>(prepayment, label)->text(); }

    void setLoan(const char* rate, const char* years, const char* amount)
    {
        loanField("RateEdit")->setText(QString::fromUtf8(rate));
        loanField("YearsEdit")->setText(QString::fromUtf8(years));
        loanField("AmountEdit")->setText(QString::fromUtf8(amount));
    }

    void calculate(const char* extra, const char* start)
    {
        for (const auto& [name, value] :
            { std::pair { "ExtraPaymentEdit", extra }, std::pair { "StartMonthEdit", start } }) {
            field(name)->selectAll();
            QTest::keyClicks(field(name), QString::fromUtf8(value));
        }
        QTest::mouseClick(find<QPushButton>(prepayment, "CalculateButton"), Qt::LeftButton);
    }

    std::vector<std::string> results()
    {
        std::vector<std::string> shown;
        for (const char* label : { "NormalInterestValueLabel", "PrepaidInterestValueLabel", "InterestSavingsValueLabel",
                 "MonthsReducedValueLabel" })
            shown.push_back(text(label).toStdString());
        return shown;
    }

    app::ReturningUserStore store;
    MainWindow window { store };
    PrepaymentWindow prepayment;
};

TEST_F(PrepaymentWindowTest, StartsWithItsInstructionsDefaultsAndNoResults)
{
    const QStringList lines = find<QPlainTextEdit>(prepayment, "InstructionsText")->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[1], QStringLiteral("off their loans early  -- this is called \"pre-paying\" a loan. "));
    EXPECT_EQ(lines[10], QStringLiteral("would be month 13 of your loan period, so enter 13."));
    EXPECT_EQ(field("ExtraPaymentEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(field("StartMonthEdit")->text(), QStringLiteral("1"));
    for (const char* panel :
        { "PrepaidInterestPanel", "NormalInterestPanel", "InterestSavingsPanel", "MonthsReducedPanel" })
        EXPECT_FALSE(find<QWidget>(prepayment, panel)->isVisible()) << panel;
}

TEST_F(PrepaymentWindowTest, ShowsTheFourResults)
{
    const struct
    {
        const char* rate;
        const char* years;
        const char* amount;
        const char* extra;
        const char* start;
        std::vector<std::string> expected;
    } cases[] = {
        { "7", "15", "100000", "100", "1", { "$61,789.09", "$50,624.03", "$11,165.06", "29" } },
        { "7", "30", "200000", "100", "13", { "$279,017.80", "$220,872.12", "$58,145.68", "65" } },
        { "7", "15", "100000", "1", "1", { "$61,789.09", "$61,652.13", "$136.96", "0" } },
        { "7", "15", "100000", "100000", "181", { "$61,789.09", "$61,789.09", "$0.00", "0" } },
        { "7", "15", "100000", "50000", "120", { "$61,789.09", "$52,983.54", "$8,805.54", "61" } },
        { "8.25", "30", "123456.78", "250", "61", { "$210,439.46", "$131,724.81", "$78,714.65", "130" } },
        // The loan page edited after its calculation to 1000 %: the payment is the interest alone and the
        // balance never falls before the starting month; the run ends with the term.
        { "1000", "15", "100000", "100", "999999999", { "$14,900,000.00", "$15,000,000.00", "($100,000.00)", "0" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << c.rate << " " << c.years << " " << c.amount << " " << c.extra << " " << c.start);
        recordedDialogs().reset();
        setLoan(c.rate, c.years, c.amount);
        calculate(c.extra, c.start);
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(results(), c.expected);
        for (const char* panel :
            { "PrepaidInterestPanel", "NormalInterestPanel", "InterestSavingsPanel", "MonthsReducedPanel" })
            EXPECT_TRUE(find<QWidget>(prepayment, panel)->isVisible()) << panel;
    }
}

TEST_F(PrepaymentWindowTest, BadInputKeepsThePreviousResults)
{
    calculate("100", "1");
    const std::vector<std::string> before = results();

    const struct
    {
        const char* extra;
        const char* start;
        const QString* warning; // nullptr: the application error box with the text below
        const char* failing;
        const char* error;
    } cases[] = {
        // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
        { "$100", "1", &extraMessage, "ExtraPaymentEdit", nullptr },
        { "100", "x", &startMessage, "StartMonthEdit", nullptr },
        // A starting month with a fraction passes the check but is no whole number.
        { "100", "13.0", nullptr, nullptr, "'13.0' is not a valid integer value." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.extra << " / " << c.start);
        recordedDialogs().reset();
        calculate(c.extra, c.start);
        if (c.warning)
            expectWarningAt(field(c.failing), *c.warning);
        else
            expectOnlyBox(RecordingDialogs::Kind::Error, QString::fromUtf8(c.error));
        EXPECT_EQ(results(), before);
    }

    // The loan page's fields are read without a check of their own.
    recordedDialogs().reset();
    loanField("YearsEdit")->setText(QStringLiteral("0"));
    calculate("100", "1");
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].text, QStringLiteral("Floating point division by zero."));
    EXPECT_EQ(results(), before);
}

TEST_F(PrepaymentWindowTest, ClicksSelectTheFirstCharactersAndDoubleClicksHelp)
{
    const struct
    {
        const char* name;
        const char* text;
        const char* selected;
        const char* help;
    } cases[] = {
        { "ExtraPaymentEdit", "123456789012", "1234567890",
            "This is an amount that you will make in addition to your monthly "
            "payment." },
        { "ExtraPaymentEdit", "250", "250", nullptr },
        { "StartMonthEdit", "1234567", "12345",
            "The month that you will start paying an additional amount to your payment." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QLineEdit* edit = field(c.name);
        edit->setText(QString::fromUtf8(c.text));
        edit->setSelection(0, 2); // a click inside a selection first clears it
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 5, edit->height() / 2));
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->selectedText(), QString::fromUtf8(c.selected));
        EXPECT_EQ(edit->selectionStart(), 0);
        if (!c.help)
            continue;
        recordedDialogs().reset();
        QTest::mouseDClick(edit, Qt::LeftButton);
        QCoreApplication::processEvents();
        expectOnlyBox(RecordingDialogs::Kind::Information, QString::fromUtf8(c.help));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.text));
    }
}

TEST_F(PrepaymentWindowTest, EnterCalculatesAndCloseOnlyHides)
{
    field("ExtraPaymentEdit")->setText(QStringLiteral("100"));
    QTest::keyClick(field("StartMonthEdit"), Qt::Key_Return);
    EXPECT_EQ(text("MonthsReducedValueLabel"), QStringLiteral("29"));

    QTest::mouseClick(find<QPushButton>(prepayment, "CloseButton"), Qt::LeftButton);
    EXPECT_FALSE(prepayment.isVisible());
    QTest::mouseClick(find<QPushButton>(window, "PrepayButton"), Qt::LeftButton);
    EXPECT_TRUE(prepayment.isVisible());
    EXPECT_EQ(field("ExtraPaymentEdit")->text(), QStringLiteral("100"));
    EXPECT_EQ(text("MonthsReducedValueLabel"), QStringLiteral("29"));
    // Esc closes it as Close does, wherever the focus is in it.
    for (const char* focus : { "ExtraPaymentEdit", "CalculateButton", "InstructionsText" }) {
        SCOPED_TRACE(focus);
        prepayment.show();
        prepayment.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&prepayment));
        find<QWidget>(prepayment, focus)->setFocus();
        QTest::keyClick(find<QWidget>(prepayment, focus), Qt::Key_Escape);
        EXPECT_FALSE(prepayment.isVisible());
    }
    prepayment.show();
    prepayment.close();
    EXPECT_FALSE(prepayment.isVisible());
    EXPECT_EQ(text("NormalInterestValueLabel"), QStringLiteral("$61,789.09"));
}

} // namespace
