// The savings page driven through its real widgets: savings growth and the required rate of return.
#include "pages/SavingsPage.h"

#include "RecordingDialogs.h"
#include "ShownPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace {

const QString rateMessage = QStringLiteral("Interest rate must be between 1 and 50, decimals OK.");
const QString yearsMessage
    = QStringLiteral("Years must be between 1 and 200. This is how long the money will accumulate and grow.");
const QString currentMessage = QStringLiteral("Current Value must be above $1. Enter without $ or commas.");
const QString desiredMessage
    = QStringLiteral("Desired Value must be larger than Current Value, enter with no $ or commas.");
const QString growYearsMessage
    = QStringLiteral("Years must be between 1 and 100, entered as integer. Please re-enter.");

struct Growth
{
    const char* rate;
    const char* years;
    const char* current; // Edit4
    const char* contribution; // Edit3
    const char* frequency; // the radio button to choose
};

struct Goal
{
    const char* current;
    const char* desired;
    const char* years;
};

class SavingsPageTest : public ShownPage<SavingsPage>
{
protected:
    QString caption(const char* name) { return control<QLabel>(name)->text(); }

    void calculateGrowth(const Growth& growth)
    {
        typeOver("Edit1", growth.rate);
        typeOver("Edit2", growth.years);
        typeOver("Edit4", growth.current);
        typeOver("Edit3", growth.contribution);
        press(growth.frequency);
        press("Button1");
    }

    void calculateGoal(const Goal& goal)
    {
        typeOver("Edit13", goal.current);
        typeOver("Edit14", goal.desired);
        typeOver("Edit12", goal.years);
        press("Button4");
    }
};

TEST_F(SavingsPageTest, StartsWithDefaultsHintsAndEmptyResults)
{
    const struct
    {
        const char* name;
        const char* text;
        int maxLength;
        const char* hint;
    } fields[] = {
        { "Edit1", "7", 5, "Annual Interest Rate Expected" },
        { "Edit2", "0", 3, "Projected number of years you will be saving for" },
        { "Edit4", "0", 32767, "The current value of your savings" },
        { "Edit3", "0", 32767, "How much you plan on adding to your savings on a regular basis." },
        { "Edit13", "0", 32767, "Current savings" },
        { "Edit14", "0", 32767, "How much do you want it to grow to?" },
        { "Edit12", "0", 3, "How many years will it have to grow?" },
    };
    for (const auto& [name, text, maxLength, hint] : fields) {
        EXPECT_EQ(field(name)->text().toStdString(), text) << name;
        EXPECT_EQ(field(name)->maxLength(), maxLength) << name;
        EXPECT_EQ(field(name)->toolTip().toStdString(), hint) << name;
    }
    EXPECT_TRUE(control<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(control<QRadioButton>("RadioButton1")->parentWidget()->objectName(), QStringLiteral("Panel6"));
    EXPECT_TRUE(caption("Panel1").isEmpty());
    EXPECT_TRUE(caption("Panel7").isEmpty());
    EXPECT_TRUE(control<QWidget>("Panel7")->isVisible());
    EXPECT_EQ(control<QPushButton>("Button4")->text(), QStringLiteral("Calculat&e"));
    EXPECT_FALSE(page.property("defaultButton").isValid());
}

TEST_F(SavingsPageTest, TabWalksBothGroupsInOrder)
{
    field("Edit1")->setFocus();
    for (const char* name :
        { "Edit2", "Edit4", "Edit3", "RadioButton1", "Button1", "Edit13", "Edit14", "Edit12", "Button4" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
}

TEST_F(SavingsPageTest, GrowthRejectsRateAndYearsAndLeavesTheResult)
{
    calculateGrowth({ "7", "10", "1000", "0", "RadioButton1" });
    const QString before = caption("Panel1");
    ASSERT_EQ(before, QStringLiteral("$1,967.15 value in future"));

    const struct
    {
        Growth growth;
        const QString* message;
        const char* failing;
    } cases[] = {
        { { "0.5", "10", "", "", "RadioButton1" }, &rateMessage, "Edit1" },
        { { "50.5", "10", "", "", "RadioButton1" }, &rateMessage, "Edit1" },
        { { "7%", "10", "", "", "RadioButton2" }, &rateMessage, "Edit1" },
        { { "", "0", "", "", "RadioButton1" }, &rateMessage, "Edit1" },
        { { "7", "0", "", "", "RadioButton1" }, &yearsMessage, "Edit2" },
        { { "7", "201", "", "", "RadioButton3" }, &yearsMessage, "Edit2" },
        { { "7", "2.5", "", "", "RadioButton1" }, &yearsMessage, "Edit2" },
        { { "7", "", "", "", "RadioButton1" }, &yearsMessage, "Edit2" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.growth.rate) + "|" + c.growth.years);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        expectWarning(*c.message, c.failing);
        EXPECT_EQ(caption("Panel1"), before);
        // Empty amounts become 0 only once both checks pass.
        EXPECT_TRUE(field("Edit3")->text().isEmpty());
        EXPECT_TRUE(field("Edit4")->text().isEmpty());
    }
}

TEST_F(SavingsPageTest, PristinePageAsksForTheYears)
{
    press("Button1");
    expectWarning(yearsMessage, "Edit2");
}

// Reference figures: C ((1 + r)^n - 1) / r + V (1 + r)^n with the periodic rate r, in 50-digit decimal
// arithmetic, then rounded to 40 significant bits (ties away) with exact fractions.
TEST_F(SavingsPageTest, GrowthByFrequency)
{
    const struct
    {
        Growth growth;
        const char* result;
    } cases[] = {
        { { "7", "10", "1000", "100", "RadioButton2" }, "$19,318.14 value in future" },
        { { "7", "10", "1000", "1200", "RadioButton1" }, "$18,546.89 value in future" },
        { { "7", "10", "1000", "25", "RadioButton3" }, "$20,822.04 value in future" },
        { { "7", "10", "1000", "0", "RadioButton1" }, "$1,967.15 value in future" },
        // An emptied contribution counts as nothing.
        { { "7", "10", "1000", "", "RadioButton2" }, "$2,009.66 value in future" },
        { { "5", "10", "", "-100", "RadioButton1" }, "($1,257.79) value in future" },
        { { "1", "200", "1", "0", "RadioButton1" }, "$7.32 value in future" },
        { { "12.5", "30", "5000", "250", "RadioButton3" }, "$4,509,988.20 value in future" },
        // 13,780,612,339.8223 exactly, but the 6-byte real keeps 13,780,612,339.828125.
        { { "10", "100", "1000000", "0", "RadioButton1" }, "$13,780,612,339.83 value in future" },
        { { "50", "90", "1", "0", "RadioButton1" }, "7.05039282284134E15 value in future" },
        { { "1", "1", "0", "-999999999999", "RadioButton1" }, "($999,999,999,999.00) value in future" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(caption("Panel1").toStdString(), c.result);
        const QLabel* panel = control<QLabel>("Panel1");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
        // An emptied amount is left holding 0.
        if (*c.growth.contribution == '\0') {
            EXPECT_EQ(field("Edit3")->text(), QStringLiteral("0"));
        }
        if (*c.growth.current == '\0') {
            EXPECT_EQ(field("Edit4")->text(), QStringLiteral("0"));
        }
    }
}

TEST_F(SavingsPageTest, GrowthErrorsReachTheErrorBoxAndLeaveTheResult)
{
    calculateGrowth({ "7", "10", "1000", "0", "RadioButton1" });
    const QString before = caption("Panel1");
    const struct
    {
        Growth growth;
        const char* error;
    } cases[] = {
        { { "50", "91", "1", "0", "RadioButton1" }, "FutureValue." },
        { { "7", "10", "", "abc", "RadioButton1" }, "'abc' is not a valid floating point value." },
        { { "1", "200", "1e38", "0", "RadioButton1" }, "Floating point overflow." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        expectOnlyBox(RecordingDialogs::Kind::Error, QString::fromUtf8(c.error));
        EXPECT_EQ(caption("Panel1"), before);
    }
    // The empty current amount became 0 before the contribution failed to convert.
    recordedDialogs().reset();
    calculateGrowth({ "7", "10", "", "abc", "RadioButton1" });
    EXPECT_EQ(field("Edit4")->text(), QStringLiteral("0"));
}

TEST_F(SavingsPageTest, GoalRejectsInOrderAndLeavesTheSentence)
{
    calculateGoal({ "10000", "20000", "10" });
    const QString before = caption("Panel7");
    ASSERT_EQ(before, QStringLiteral("Requires 7.18 average percent return each year."));

    const struct
    {
        Goal goal;
        const QString* message;
        const char* failing;
    } cases[] = {
        { { "0", "0", "0" }, &currentMessage, "Edit13" },
        { { "0.99", "20000", "10" }, &currentMessage, "Edit13" },
        { { "$1", "20000", "10" }, &currentMessage, "Edit13" },
        { { "10000", "10000", "10" }, &desiredMessage, "Edit14" },
        { { "10000", "9999.99", "10" }, &desiredMessage, "Edit14" },
        { { "10000", "", "10" }, &desiredMessage, "Edit14" },
        { { "10000", "20,000", "10" }, &desiredMessage, "Edit14" },
        { { "10000", "20000", "0" }, &growYearsMessage, "Edit12" },
        { { "10000", "20000", "101" }, &growYearsMessage, "Edit12" },
        { { "10000", "20000", "7.5" }, &growYearsMessage, "Edit12" },
        { { "10000", "20000", "" }, &growYearsMessage, "Edit12" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.goal.current) + "|" + c.goal.desired + "|" + c.goal.years);
        recordedDialogs().reset();
        calculateGoal(c.goal);
        expectWarning(*c.message, c.failing);
        EXPECT_EQ(caption("Panel7"), before);
    }
}

// Reference figures: ((desired / current)^(1 / years) - 1) x 100 in 50-digit decimal arithmetic.
TEST_F(SavingsPageTest, GoalShowsTheRequiredReturn)
{
    const struct
    {
        Goal goal;
        const char* sentence;
    } cases[] = {
        { { "10000", "20000", "10" }, "Requires 7.18 average percent return each year." },
        { { "10000", "20000", "1" }, "Requires 100.00 average percent return each year." },
        { { "1", "2", "100" }, "Requires 0.70 average percent return each year." },
        { { "5000", "12000", "7" }, "Requires 13.32 average percent return each year." },
        { { "1", "1000000", "1" }, "Requires 99999900.00 average percent return each year." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        recordedDialogs().reset();
        calculateGoal(c.goal);
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(caption("Panel7").toStdString(), c.sentence);
        const QLabel* panel = control<QLabel>("Panel7");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    }
}

} // namespace
