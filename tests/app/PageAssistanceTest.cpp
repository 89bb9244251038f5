// Clicks and double-clicks into the entry fields of every page, with real mouse events on the main window.
#include "Controls.h"
#include "RecordingDialogs.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/BuiltOnFirstShow.h"

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

using app::MainWindow;
using app::PrepaymentWindow;

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
        const std::pair<const char*, const char*> typed[] = { { "AmountEdit", "100000" }, { "ChildAgeEdit", "5" },
            { "CurrentAgeEdit", "35" }, { "MonthlyIncomeEdit", "3000" } };
        for (const auto& [name, text] : typed)
            field(name)->setText(QString::fromLatin1(text));
        for (const char* calculate : { "CalculateButton", "CollegeCalculateButton", "RetirementCalculateButton" })
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
        auto* pages = control<QTabWidget>("CalculatorTabs");
        for (QWidget* w = edit; w; w = w->parentWidget()) {
            if (pages->indexOf(w) >= 0)
                pages->setCurrentWidget(w);
        }
        EXPECT_TRUE(edit->isVisible()) << name;
        return edit;
    }

    bool followUpsEnabled() { return control("ScheduleButton")->isEnabled() && control("PrepayButton")->isEnabled(); }

    app::ReturningUserStore store;
    MainWindow window { store };
    PrepaymentWindow prepayment;
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

class ClickedField : public ::testing::TestWithParam<ClickCase>
{ };

TEST_P(ClickedField, SelectsForOvertyping)
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
    { "RateEdit", "7.125", "7.125", true, 5 },
    { "YearsEdit", "100", "100", true, 3 },
    { "PaymentEdit", "1500", "", false, none },
    { "AmountEdit", "1234567890", "123456789", true, none },
    { "ChildAgeEdit", "12", "12", false, 2 },
    { "StartingAgeEdit", "18", "18", false, 2 },
    { "AnnualCostEdit", "12345678", "1234567", false, none },
    { "CollegeYearsEdit", "10", "10", false, 2 },
    { "CostIncreaseEdit", "5.125", "5.125", false, 5 },
    { "CurrentAgeEdit", "35", "35", false, 2 },
    { "RetirementAgeEdit", "65", "65", false, 2 },
    { "MonthlyIncomeEdit", "3000.25", "3000.25", false, none },
    { "RetirementYearsEdit", "30", "30", false, 2 },
    { "GrowthRateEdit", "7.5", "7.5", false, 5 },
    { "InflationEdit", "4.25", "4.25", false, 5 },
    { "RetirementFundEdit", "1234567890123", "1234567890123", false, none },
    { "SavingsRateEdit", "12.25", "12.25", false, 5 },
    { "SavingsYearsEdit", "200", "200", false, 3 },
    { "CurrentSavingsEdit", "1234567890", "123456789", false, none },
    { "ContributionEdit", "123456789", "12345678", false, none },
    { "CurrentValueEdit", "123456789012", "12345678901", false, none },
    { "DesiredValueEdit", "123456", "123456", false, none },
    { "GrowYearsEdit", "100", "100", false, 3 },
    { "RefinancedRateEdit", "6.5", "", false, 5 },
    { "FundGrowthEdit", "7", "", false, 5 },
};

INSTANTIATE_TEST_SUITE_P(EveryPage, ClickedField, ::testing::ValuesIn(clickCases),
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

class DoubleClickedField : public ::testing::TestWithParam<DoubleClickCase>
{ };

TEST_P(DoubleClickedField, ShowsItsHelpAndLeavesTheText)
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
    { "RateEdit", "Enter the annual percentage rate (APR) for the loan, OK to use decimal but no \"%\" sign." },
    { "YearsEdit", "Enter the number of years the loan is for." },
    { "PaymentEdit",
        "If you are solving for how much you can afford to borrow (loan amount), enter the maximum monthly payment "
        "you want here." },
    { "AmountEdit", "The amount borrowed, or loaned. Do not use $ or commas." },
    { "ChildAgeEdit", "" },
    { "StartingAgeEdit", "" },
    { "AnnualCostEdit", "" },
    { "CollegeYearsEdit", "" },
    { "CostIncreaseEdit", "" },
    { "CurrentAgeEdit", "" },
    { "RetirementAgeEdit", "Enter the age at which you plan on retiring." },
    { "MonthlyIncomeEdit",
        "This is an amount that will supplement Social Security and/or pension plan benefits. Please enter the "
        "amount in todays dollars." },
    { "RetirementYearsEdit",
        "The number of years after retirement that you will require an income. If you retire at 55 and plan to live "
        "until you are 85, enter 30." },
    { "GrowthRateEdit",
        "Enter the interest rate anticipated through retirement that your investments will grow at. A rate of 5 to "
        "7 percent would be considered conservative, whereas the stock market averages 13 percent." },
    { "InflationEdit",
        "An inflation rate of 2 to 5 should be appropiate.  Over the last 20 years the Consumer Price Index (CPI) "
        "has been just above 5 percent per year. In the late 1990s, it has fallen to 2% or less." },
    { "RetirementFundEdit", "Amount you currently have saved for your retirement. This can include 401K accounts." },
    { "SavingsRateEdit", "This is the annual rate (APR) your money will increase by each year." },
    { "SavingsYearsEdit", savingsYearsHelp },
    { "SavingsYearsEdit", savingsYearsHelp, "abc" },
    { "CurrentSavingsEdit", "The current value of your investment/savings account. This is your starting balance." },
    { "ContributionEdit", "The amount you will contribute to your savings on a regular basis." },
    { "CurrentValueEdit",
        "How much savings do you have right now? (you will be investing this amount trying to reach your goal)" },
    { "DesiredValueEdit", "How much do you want your savings to be worth in the future?" },
    { "GrowYearsEdit", "How many years will the money grow?" },
    { "CurrentPaymentEdit", "" },
    { "RefinancedYearsEdit", "" },
    { "FundGrowthEdit", "" },
};

INSTANTIATE_TEST_SUITE_P(EveryPage, DoubleClickedField, ::testing::ValuesIn(doubleClickCases),
    [](const ::testing::TestParamInfo<DoubleClickCase>& info) {
        const DoubleClickCase& c = info.param;
        return std::string(c.field) + (c.text ? std::string("_holding_") + c.text : std::string());
    });

TEST(LoanReset, HidesThePrepaymentWindowUntilTheNextCalculation)
{
    PageAssistance pages;
    const auto press = [&](const char* name) { QTest::mouseClick(pages.control(name), Qt::LeftButton); };
    press("PrepayButton");
    ASSERT_TRUE(pages.prepayment.isVisible());
    const QString result = pages.control<QLabel>("LoanResultLabel")->text();
    const QString report = pages.control<QPlainTextEdit>("LoanReportText")->toPlainText();

    press("AmountEdit");
    QCoreApplication::processEvents();
    EXPECT_FALSE(pages.prepayment.isVisible());
    EXPECT_FALSE(pages.control("ScheduleButton")->isEnabled());
    EXPECT_FALSE(pages.control("PrepayButton")->isEnabled());
    // The results of the last calculation stay on show.
    EXPECT_EQ(pages.control<QLabel>("LoanResultLabel")->text(), result);
    EXPECT_EQ(pages.control<QPlainTextEdit>("LoanReportText")->toPlainText(), report);

    press("CalculateButton");
    EXPECT_TRUE(pages.followUpsEnabled());
    press("PrepayButton");
    EXPECT_TRUE(pages.prepayment.isVisible());
    // A change of the solve-for mode withdraws nothing.
    press("SolveForAmountRadio");
    EXPECT_TRUE(pages.followUpsEnabled());
    EXPECT_TRUE(pages.prepayment.isVisible());
}

} // namespace
