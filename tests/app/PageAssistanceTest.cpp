// Clicks and double-clicks into the entry fields of every page, with real mouse events on the main window.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "pages/LoanPage.h"
#include "shell/BuiltOnFirstShow.h"
#include "shell/FirstRunStore.h"
#include "windows/MainWindow.h"
#include "windows/PrepaymentWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>

namespace {

// Every page in a calculated state: the loan of 100000 solved (Schedule and PrePay enabled) and the
// college and retirement savings plans revealed.
class PageAssistance
{
public:
    PageAssistance()
    {
        recordedDialogs().reset();
        window.loanPage()->setPrepaymentWindow(&prepayment);
        // Fields are looked up by name on pages that have not been shown yet.
        app::buildAll(window);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        const std::pair<const char*, const char*> typed[]
            = { { "Edit11", "100000" }, { "Edit19", "5" }, { "Edit20", "35" }, { "Edit18", "3000" } };
        for (const auto& [name, text] : typed)
            field(name)->setText(QString::fromLatin1(text));
        for (const char* calculate : { "ButtonCalcLoanPayment", "Button9", "Button5" })
            control<QPushButton>(calculate)->click();
        recordedDialogs().reset();
    }

    template <typename Widget = QWidget>
    Widget* control(const char* name)
    {
        return find<Widget>(window, name);
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }

    // Brings up the page that holds the field, as a click on its tab would.
    QLineEdit* showField(const char* name)
    {
        QLineEdit* edit = field(name);
        auto* pages = control<QTabWidget>("PageControl1");
        for (QWidget* w = edit; w; w = w->parentWidget()) {
            if (pages->indexOf(w) >= 0)
                pages->setCurrentWidget(w);
        }
        EXPECT_TRUE(edit->isVisible()) << name;
        return edit;
    }

    bool followUpsEnabled() { return control("Button6")->isEnabled() && control("Button7")->isEnabled(); }

    app::ReturningUserStore store;
    TForm1 window { store };
    TForm5 prepayment;
};

// The maximum length of a field without one.
constexpr int none = 32767;

struct ClickCase
{
    const char* field;
    const char* text;
    const char* selected;
    bool loanReset;
    int maxLength;
};

void PrintTo(const ClickCase& c, std::ostream* out)
{
    *out << c.field;
}

class FieldClick : public ::testing::TestWithParam<ClickCase>
{ };

TEST_P(FieldClick, SelectsForOvertyping)
{
    const ClickCase& c = GetParam();
    PageAssistance pages;
    QLineEdit* edit = pages.showField(c.field);
    EXPECT_EQ(edit->maxLength(), c.maxLength);
    edit->setText(QString::fromLatin1(c.text));
    ASSERT_EQ(edit->text(), QString::fromLatin1(c.text)) << "longer than the field takes";
    ASSERT_TRUE(pages.followUpsEnabled());

    QTest::mouseClick(edit, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->selectedText().toStdString(), c.selected);
    EXPECT_EQ(edit->selectionStart(), c.selected[0] ? 0 : -1);
    EXPECT_EQ(pages.followUpsEnabled(), !c.loanReset);
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

// Field, text, selection after a click, loan reset, maximum length. A text longer than the field's count is
// selected only in its first characters; where the maximum length is at most the count, all of it is.
const ClickCase clickCases[] = {
    { "Edit9", "7.125", "7.125", true, 5 },
    { "Edit10", "100", "100", true, 3 },
    { "EditLoanPayment", "1500", "", false, none },
    { "Edit11", "1234567890", "123456789", true, none },
    { "Edit19", "12", "12", false, 2 },
    { "Edit22", "18", "18", false, 2 },
    { "Edit23", "12345678", "1234567", false, none },
    { "Edit24", "10", "10", false, 2 },
    { "Edit25", "5.125", "5.125", false, 5 },
    { "Edit20", "35", "35", false, 2 },
    { "Edit21", "65", "65", false, 2 },
    { "Edit18", "3000.25", "3000.25", false, none },
    { "Edit17", "30", "30", false, 2 },
    { "Edit15", "7.5", "7.5", false, 5 },
    { "Edit16", "4.25", "4.25", false, 5 },
    { "EditRetireFund", "1234567890123", "1234567890123", false, none },
    { "Edit1", "12.25", "12.25", false, 5 },
    { "Edit2", "200", "200", false, 3 },
    { "Edit4", "1234567890", "123456789", false, none },
    { "Edit3", "123456789", "12345678", false, none },
    { "Edit13", "123456789012", "12345678901", false, none },
    { "Edit14", "123456", "123456", false, none },
    { "Edit12", "100", "100", false, 3 },
    { "EditRate", "6.5", "", false, 5 },
    { "EditCollFundGrowth", "7", "", false, 5 },
};

INSTANTIATE_TEST_SUITE_P(EveryPage, FieldClick, ::testing::ValuesIn(clickCases),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.field); });

struct DoubleClickCase
{
    const char* field;
    const char* help; // empty: nothing is shown
    const char* text = nullptr; // what the field holds, when not its default
};

void PrintTo(const DoubleClickCase& c, std::ostream* out)
{
    *out << c.field;
}

class FieldDoubleClick : public ::testing::TestWithParam<DoubleClickCase>
{ };

TEST_P(FieldDoubleClick, ShowsItsHelpAndLeavesTheText)
{
    const DoubleClickCase& c = GetParam();
    PageAssistance pages;
    QLineEdit* edit = pages.showField(c.field);
    if (c.text)
        edit->setText(QString::fromLatin1(c.text));
    const QString before = edit->text();

    QTest::mouseDClick(edit, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (c.help[0] == '\0') {
        EXPECT_TRUE(recordedDialogs().shown.empty());
    } else {
        expectOnlyBox(RecordingDialogs::Kind::Information, QString::fromUtf8(c.help));
    }
    EXPECT_EQ(edit->text().toStdString(), before.toStdString());
}

const char* const savingsYearsHelp
    = "Years must be between 1 and 200. This is how long the money will accumulate and grow.";

const DoubleClickCase doubleClickCases[] = {
    { "Edit9", "Enter the annual percentage rate (APR) for the loan, OK to use decimal but no \"%\" sign." },
    { "Edit10", "Enter the number of years the loan is for." },
    { "EditLoanPayment",
        "If you are solving for how much you can afford to borrow (loan amount), enter the maximum monthly payment "
        "you want here." },
    { "Edit11", "The amount borrowed, or loaned. Do not use $ or commas." },
    { "Edit19", "" },
    { "Edit22", "" },
    { "Edit23", "" },
    { "Edit24", "" },
    { "Edit25", "" },
    { "Edit20", "" },
    { "Edit21", "Enter the age at which you plan on retiring." },
    { "Edit18",
        "This is an amount that will supplement Social Security and/or pension plan benefits. Please enter the "
        "amount in todays dollars." },
    { "Edit17",
        "The number of years after retirement that you will require an income. If you retire at 55 and plan to live "
        "until you are 85, enter 30." },
    { "Edit15",
        "Enter the interest rate anticipated through retirement that your investments will grow at. A rate of 5 to "
        "7 percent would be considered conservative, whereas the stock market averages 13 percent." },
    { "Edit16",
        "An inflation rate of 2 to 5 should be appropiate.  Over the last 20 years the Consumer Price Index (CPI) "
        "has been just above 5 percent per year. In the late 1990s, it has fallen to 2% or less." },
    { "EditRetireFund", "Amount you currently have saved for your retirement. This can include 401K accounts." },
    { "Edit1", "This is the annual rate (APR) your money will increase by each year." },
    { "Edit2", savingsYearsHelp },
    { "Edit2", savingsYearsHelp, "abc" },
    { "Edit4", "The current value of your investment/savings account. This is your starting balance." },
    { "Edit3", "The amount you will contribute to your savings on a regular basis." },
    { "Edit13",
        "How much savings do you have right now? (you will be investing this amount trying to reach your goal)" },
    { "Edit14", "How much do you want your savings to be worth in the future?" },
    { "Edit12", "How many years will the money grow?" },
    { "EditCurrentMort", "" },
    { "EditRefinTerm", "" },
    { "EditCollFundGrowth", "" },
};

INSTANTIATE_TEST_SUITE_P(EveryPage, FieldDoubleClick, ::testing::ValuesIn(doubleClickCases),
    [](const ::testing::TestParamInfo<DoubleClickCase>& info) {
        const DoubleClickCase& c = info.param;
        return std::string(c.field) + (c.text ? std::string("_holding_") + c.text : std::string());
    });

TEST(LoanReset, HidesThePrepaymentWindowUntilTheNextCalculation)
{
    PageAssistance pages;
    const auto press = [&](const char* name) { QTest::mouseClick(pages.control(name), Qt::LeftButton); };
    press("Button7");
    ASSERT_TRUE(pages.prepayment.isVisible());
    const QString result = pages.control<QLabel>("LabelLoanOutput")->text();
    const QString report = pages.control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText();

    press("Edit11");
    QCoreApplication::processEvents();
    EXPECT_FALSE(pages.prepayment.isVisible());
    EXPECT_FALSE(pages.control("Button6")->isEnabled());
    EXPECT_FALSE(pages.control("Button7")->isEnabled());
    // The results of the last calculation stay on show.
    EXPECT_EQ(pages.control<QLabel>("LabelLoanOutput")->text(), result);
    EXPECT_EQ(pages.control<QPlainTextEdit>("MemoLoanAnalysis")->toPlainText(), report);

    press("ButtonCalcLoanPayment");
    EXPECT_TRUE(pages.followUpsEnabled());
    press("Button7");
    EXPECT_TRUE(pages.prepayment.isVisible());
    // A change of the solve-for mode withdraws nothing.
    press("RadioLoanAmount");
    EXPECT_TRUE(pages.followUpsEnabled());
    EXPECT_TRUE(pages.prepayment.isVisible());
}

} // namespace
