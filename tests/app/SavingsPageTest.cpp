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

using app::SavingsPage;

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
    const char* current; // CurrentSavingsEdit
    const char* contribution; // ContributionEdit
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
        typeOver("SavingsRateEdit", growth.rate);
        typeOver("SavingsYearsEdit", growth.years);
        typeOver("CurrentSavingsEdit", growth.current);
        typeOver("ContributionEdit", growth.contribution);
        press(growth.frequency);
        press("GrowthCalculateButton");
    }

    void calculateGoal(const Goal& goal)
    {
        typeOver("CurrentValueEdit", goal.current);
        typeOver("DesiredValueEdit", goal.desired);
        typeOver("GrowYearsEdit", goal.years);
        press("ReturnCalculateButton");
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
        { "SavingsRateEdit", "7", 5, "Annual Interest Rate Expected" },
        { "SavingsYearsEdit", "0", 3, "Projected number of years you will be saving for" },
        { "CurrentSavingsEdit", "0", 32767, "The current value of your savings" },
        { "ContributionEdit", "0", 32767, "How much you plan on adding to your savings on a regular basis." },
        { "CurrentValueEdit", "0", 32767, "Current savings" },
        { "DesiredValueEdit", "0", 32767, "How much do you want it to grow to?" },
        { "GrowYearsEdit", "0", 3, "How many years will it have to grow?" },
    };
    for (const auto& [name, text, maxLength, hint] : fields) {
        EXPECT_EQ(field(name)->text().toStdString(), text) << name;
        EXPECT_EQ(field(name)->maxLength(), maxLength) << name;
        EXPECT_EQ(field(name)->toolTip().toStdString(), hint) << name;
    }
    EXPECT_TRUE(control<QRadioButton>("AnnuallyRadio")->isChecked());
    EXPECT_EQ(control<QRadioButton>("AnnuallyRadio")->parentWidget()->objectName(), QStringLiteral("FrequencyPanel"));
    EXPECT_TRUE(caption("GrowthResultPanel").isEmpty());
    EXPECT_TRUE(caption("ReturnResultPanel").isEmpty());
    EXPECT_TRUE(control<QWidget>("ReturnResultPanel")->isVisible());
    EXPECT_EQ(control<QPushButton>("ReturnCalculateButton")->text(), QStringLiteral("Calculat&e"));
    EXPECT_FALSE(page.property("defaultButton").isValid());
}

TEST_F(SavingsPageTest, TabWalksBothGroupsInOrder)
{
    field("SavingsRateEdit")->setFocus();
    for (const char* name :
        { "SavingsYearsEdit", "CurrentSavingsEdit", "ContributionEdit", "AnnuallyRadio", "GrowthCalculateButton",
            "CurrentValueEdit", "DesiredValueEdit", "GrowYearsEdit", "ReturnCalculateButton" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
}

TEST_F(SavingsPageTest, GrowthRejectsRateAndYearsAndLeavesTheResult)
{
    calculateGrowth({ "7", "10", "1000", "0", "AnnuallyRadio" });
    const QString before = caption("GrowthResultPanel");
    ASSERT_EQ(before, QStringLiteral("$1,967.15 value in future"));

    const struct
    {
        Growth growth;
        const QString* message;
        const char* failing;
    } cases[] = {
        // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
        { { "7%", "10", "", "", "MonthlyRadio" }, &rateMessage, "SavingsRateEdit" },
        { { "", "0", "", "", "AnnuallyRadio" }, &rateMessage, "SavingsRateEdit" },
        { { "7", "2.5", "", "", "WeeklyRadio" }, &yearsMessage, "SavingsYearsEdit" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.growth.rate) + "|" + c.growth.years);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        expectWarning(*c.message, c.failing);
        EXPECT_EQ(caption("GrowthResultPanel"), before);
        // Empty amounts become 0 only once both checks pass.
        EXPECT_TRUE(field("ContributionEdit")->text().isEmpty());
        EXPECT_TRUE(field("CurrentSavingsEdit")->text().isEmpty());
    }
}

TEST_F(SavingsPageTest, PristinePageAsksForTheYears)
{
    press("GrowthCalculateButton");
    expectWarning(yearsMessage, "SavingsYearsEdit");
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
        { { "7", "10", "1000", "100", "MonthlyRadio" }, "$19,318.14 value in future" },
        { { "7", "10", "1000", "1200", "AnnuallyRadio" }, "$18,546.89 value in future" },
        { { "7", "10", "1000", "25", "WeeklyRadio" }, "$20,822.04 value in future" },
        { { "7", "10", "1000", "0", "AnnuallyRadio" }, "$1,967.15 value in future" },
        // An emptied contribution counts as nothing.
        { { "7", "10", "1000", "", "MonthlyRadio" }, "$2,009.66 value in future" },
        { { "5", "10", "", "-100", "AnnuallyRadio" }, "($1,257.79) value in future" },
        { { "1", "200", "1", "0", "AnnuallyRadio" }, "$7.32 value in future" },
        { { "12.5", "30", "5000", "250", "WeeklyRadio" }, "$4,509,988.20 value in future" },
        // 13,780,612,339.8223 exactly, but the 6-byte real keeps 13,780,612,339.828125.
        { { "10", "100", "1000000", "0", "AnnuallyRadio" }, "$13,780,612,339.83 value in future" },
        { { "50", "90", "1", "0", "AnnuallyRadio" }, "7.05039282284134E15 value in future" },
        { { "1", "1", "0", "-999999999999", "AnnuallyRadio" }, "($999,999,999,999.00) value in future" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(caption("GrowthResultPanel").toStdString(), c.result);
        const QLabel* panel = control<QLabel>("GrowthResultPanel");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
        // An emptied amount is left holding 0.
        if (*c.growth.contribution == '\0') {
            EXPECT_EQ(field("ContributionEdit")->text(), QStringLiteral("0"));
        }
        if (*c.growth.current == '\0') {
            EXPECT_EQ(field("CurrentSavingsEdit")->text(), QStringLiteral("0"));
        }
    }
}

TEST_F(SavingsPageTest, GrowthErrorsReachTheErrorBoxAndLeaveTheResult)
{
    calculateGrowth({ "7", "10", "1000", "0", "AnnuallyRadio" });
    const QString before = caption("GrowthResultPanel");
    const struct
    {
        Growth growth;
        const char* error;
    } cases[] = {
        { { "50", "91", "1", "0", "AnnuallyRadio" }, "FutureValue." },
        { { "7", "10", "", "abc", "AnnuallyRadio" }, "'abc' is not a valid floating point value." },
        { { "1", "200", "1e38", "0", "AnnuallyRadio" }, "Floating point overflow." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        recordedDialogs().reset();
        calculateGrowth(c.growth);
        expectOnlyBox(RecordingDialogs::Kind::Error, QString::fromUtf8(c.error));
        EXPECT_EQ(caption("GrowthResultPanel"), before);
    }
    // A calculation that fails writes nothing: the empty current amount stays empty.
    recordedDialogs().reset();
    calculateGrowth({ "7", "10", "", "abc", "AnnuallyRadio" });
    EXPECT_EQ(field("CurrentSavingsEdit")->text(), QString());
}

TEST_F(SavingsPageTest, GoalRejectsInOrderAndLeavesTheSentence)
{
    calculateGoal({ "10000", "20000", "10" });
    const QString before = caption("ReturnResultPanel");
    ASSERT_EQ(before, QStringLiteral("Requires 7.18 average percent return each year."));

    const struct
    {
        Goal goal;
        const QString* message;
        const char* failing;
    } cases[] = {
        // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
        { { "0", "0", "0" }, &currentMessage, "CurrentValueEdit" },
        { { "10000", "9999.99", "10" }, &desiredMessage, "DesiredValueEdit" },
        { { "10000", "20000", "7.5" }, &growYearsMessage, "GrowYearsEdit" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.goal.current) + "|" + c.goal.desired + "|" + c.goal.years);
        recordedDialogs().reset();
        calculateGoal(c.goal);
        expectWarning(*c.message, c.failing);
        EXPECT_EQ(caption("ReturnResultPanel"), before);
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
        EXPECT_EQ(caption("ReturnResultPanel").toStdString(), c.sentence);
        const QLabel* panel = control<QLabel>("ReturnResultPanel");
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    }
}

} // namespace
