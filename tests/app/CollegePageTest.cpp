// The college page driven through its real widgets. Reference figures come from 50-digit decimal
// arithmetic: P (1 + k)^n, times ((1 + k)^Y - 1) / k for the total, F (1 + g)^n for the fund, and the
// shortage times g / ((1 + g)^n - 1) for the yearly contribution.
#include "CollegePage.h"

#include "RecordingDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString childAgeMessage = QStringLiteral("Enter child's current age as an integer (0 or greater).");
const QString startingAgeMessage
    = QStringLiteral("Starting College Age must be greater than child's current age (must be an integer).");
const QString annualCostMessage
    = QStringLiteral("Enter annual cost of college. Must be greater than 1, can include decimals but no commas or $.");
const QString yearsMessage
    = QStringLiteral("Enter how many years child will spend in college (must be an integer like 4,5, etc.).");
const QString increaseMessage = QStringLiteral("Enter an estimated inflation rate for college expenses. OK to use "
                                               "decimals but no % sign (ex: 7.2% = 7.2,  8% = 8).");
const QString fundMessage = QStringLiteral("You must enter a valid amount in the Education Fund field. Do not use $ "
                                           "or commas. If you do not have a fund, enter 0.");
const QString growthMessage = QStringLiteral(
    "Growth rate must be between 1 and 50, decimal numbers OK (7% = 7, 15.25% = 15.25). Please re-enter.");

// Child's age, starting age, annual cost, years of college, increase; then fund and growth.
struct CollegeFields
{
    const char* childAge;
    const char* startingAge;
    const char* cost;
    const char* years;
    const char* increase;
    const char* fund = "0";
    const char* growth = "7";
};

const CollegeFields workedExample { "5", "18", "7000", "4", "5" };
const char* const workedSentence = "13 years from now, the planned education will cost $56,892";
const char* const workedPlan = "Assuming your education fund will grow 7.00 percent annually, you will need to begin "
                               "contributing $2,824.72 each year for the next 13 years.";

class CollegePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    template <typename Widget>
    Widget* control(const char* name)
    {
        auto* widget = page.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }

    // Types each text into its field as a user would: select all, then type over it.
    void fillIn(const CollegeFields& fields)
    {
        const std::pair<const char*, const char*> entries[] = {
            { "Edit19", fields.childAge },
            { "Edit22", fields.startingAge },
            { "Edit23", fields.cost },
            { "Edit24", fields.years },
            { "Edit25", fields.increase },
            { "EditCurrCollegeFund", fields.fund },
            { "EditCollFundGrowth", fields.growth },
        };
        for (const auto& [name, text] : entries) {
            QLineEdit* edit = field(name);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, QString::fromUtf8(text));
            ASSERT_EQ(edit->text(), QString::fromUtf8(text)) << name;
        }
    }

    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void pressCalculate() { press("Button9"); }
    void pressHowTo() { press("ButtonHowToCollege"); }

    QString sentence() { return control<QLabel>("Label44")->text(); }
    QPlainTextEdit* memo() { return control<QPlainTextEdit>("MemoHowToCollege"); }
    bool sentenceShown() { return control<QWidget>("Panel5")->isVisible() && control<QLabel>("Label44")->isVisible(); }

    // A first success that later presses must not disturb.
    void succeedOnce()
    {
        fillIn(workedExample);
        pressCalculate();
        ASSERT_TRUE(recordedDialogs().shown.empty());
        ASSERT_EQ(sentence(), QString::fromUtf8(workedSentence));
        ASSERT_EQ(memo()->toPlainText(), QString::fromUtf8(workedPlan));
    }

    void expectOnlyWarning(const QString& message, const char* failingField)
    {
        ASSERT_EQ(recordedDialogs().shown.size(), 1u);
        EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Warning);
        EXPECT_EQ(recordedDialogs().shown[0].text, message);
        QLineEdit* failing = field(failingField);
        EXPECT_TRUE(failing->hasFocus());
        EXPECT_EQ(failing->selectedText(), failing->text());
    }

    CollegePage page;
};

TEST_F(CollegePageTest, StartsWithDefaultsAndNothingShown)
{
    const struct
    {
        const char* name;
        const char* text;
        int maxLength;
    } defaults[] = {
        { "Edit19", "", 2 },
        { "Edit22", "18", 2 },
        { "Edit23", "7000", 32767 },
        { "Edit24", "4", 2 },
        { "Edit25", "5", 5 },
        { "EditCurrCollegeFund", "0", 32767 },
        { "EditCollFundGrowth", "7", 5 },
    };
    for (const auto& [name, text, maxLength] : defaults) {
        EXPECT_EQ(field(name)->text(), QString::fromUtf8(text)) << name;
        EXPECT_EQ(field(name)->maxLength(), maxLength) << name;
    }
    EXPECT_FALSE(control<QWidget>("Panel5")->isVisible());
    EXPECT_TRUE(control<QLabel>("Label44")->isHidden());
    EXPECT_FALSE(control<QWidget>("Panel3")->isVisible());
    EXPECT_TRUE(memo()->isReadOnly());
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
    EXPECT_EQ(page.property("defaultButton").toString(), QStringLiteral("Button9"));
}

struct RejectedCase
{
    CollegeFields fields;
    const QString* message;
    const char* failingField;
};

class CollegeProjectionRejects : public CollegePageTest, public ::testing::WithParamInterface<RejectedCase>
{ };

TEST_P(CollegeProjectionRejects, WarnsOnceAndShowsNothing)
{
    fillIn(GetParam().fields);
    pressCalculate();

    expectOnlyWarning(*GetParam().message, GetParam().failingField);
    EXPECT_FALSE(control<QWidget>("Panel5")->isVisible());
    EXPECT_FALSE(control<QWidget>("Panel3")->isVisible());
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Validation, CollegeProjectionRejects,
    ::testing::Values(
        // The page's own defaults leave the child's age empty.
        RejectedCase { { "", "18", "7000", "4", "5" }, &childAgeMessage, "Edit19" },
        RejectedCase { { "-1", "18", "7000", "4", "5" }, &childAgeMessage, "Edit19" },
        RejectedCase { { "5.", "18", "7000", "4", "5" }, &childAgeMessage, "Edit19" },
        RejectedCase { { "5", "5", "7000", "4", "5" }, &startingAgeMessage, "Edit22" },
        RejectedCase { { "17", "5", "7000", "4", "5" }, &startingAgeMessage, "Edit22" },
        RejectedCase { { "5", "", "7000", "4", "5" }, &startingAgeMessage, "Edit22" },
        RejectedCase { { "5", "x", "7000", "4", "5" }, &startingAgeMessage, "Edit22" },
        RejectedCase { { "5", "18", "1.99", "4", "5" }, &annualCostMessage, "Edit23" },
        RejectedCase { { "5", "18", "1.5", "4", "5" }, &annualCostMessage, "Edit23" },
        RejectedCase { { "5", "18", "7,000", "4", "5" }, &annualCostMessage, "Edit23" },
        RejectedCase { { "5", "18", "$7000", "4", "5" }, &annualCostMessage, "Edit23" },
        RejectedCase { { "5", "18", "7000", "0", "5" }, &yearsMessage, "Edit24" },
        RejectedCase { { "5", "18", "7000", "4.", "5" }, &yearsMessage, "Edit24" },
        RejectedCase { { "5", "18", "7000", "", "5" }, &yearsMessage, "Edit24" },
        RejectedCase { { "5", "18", "7000", "4", "0.99" }, &increaseMessage, "Edit25" },
        RejectedCase { { "5", "18", "7000", "4", "5%" }, &increaseMessage, "Edit25" },
        RejectedCase { { "5", "18", "7000", "4", "" }, &increaseMessage, "Edit25" },
        // Several wrong fields: the first in the page's order is reported, and the plan fields come later.
        RejectedCase { { "5", "5", "1", "0", "0", "-1", "0" }, &startingAgeMessage, "Edit22" },
        RejectedCase { { "5", "18", "7000", "0", "0", "-1", "0" }, &yearsMessage, "Edit24" }));

struct PlannedCase
{
    CollegeFields fields;
    const char* sentence;
    const char* plan;
};

class CollegePagePlans : public CollegePageTest, public ::testing::WithParamInterface<PlannedCase>
{ };

TEST_P(CollegePagePlans, CalculateShowsTheCostAndThePlan)
{
    fillIn(GetParam().fields);
    pressCalculate();

    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_TRUE(sentenceShown());
    EXPECT_EQ(sentence(), QString::fromUtf8(GetParam().sentence));
    EXPECT_TRUE(control<QWidget>("Panel3")->isVisible());
    EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8(GetParam().plan));
    EXPECT_EQ(memo()->document()->blockCount(), 1);
    EXPECT_EQ(memo()->textCursor().position(), 0);
    EXPECT_FALSE(memo()->textCursor().hasSelection());
}

INSTANTIATE_TEST_SUITE_P(Figures, CollegePagePlans,
    ::testing::Values(
        // The worked example with the three kinds of fund.
        PlannedCase { workedExample, workedSentence, workedPlan },
        PlannedCase { { "5", "18", "7000", "4", "5", "10000", "7" }, workedSentence,
            "At 7.00 percent per year your education fund will grow to $24,098.45. That will leave a shortage of "
            "$32,793.23 which may be made up by contributing $1,628.21 per year for the next 13 years." },
        PlannedCase { { "5", "18", "7000", "4", "5", "100000", "7" }, workedSentence,
            "Assuming your education fund will grow at an annual rate of 7.00 percent, then in 13 years the fund "
            "will have a value of $240,984.50.  Since your educational need is $56,891.68, your current account "
            "will fully fund your objective." },
        // The lowest accepted values: age 0, cost 2, one year of college, increase 1, growth 1.
        PlannedCase { { "0", "1", "2", "1", "1", "0", "1" }, "1 years from now, the planned education will cost $2",
            "Assuming your education fund will grow 1.00 percent annually, you will need to begin contributing "
            "$2.02 each year for the next 1 years." },
        PlannedCase { { "0", "18", "25000", "4", "6.5", "1500.5", "1" },
            "18 years from now, the planned education will cost $342,289",
            "At 1.00 percent per year your education fund will grow to $1,794.82. That will leave a shortage of "
            "$340,494.39 which may be made up by contributing $17,359.10 per year for the next 18 years." },
        PlannedCase { { "10", "18", "12345.67", "5", "3", "0", "50" },
            "8 years from now, the planned education will cost $83,030",
            "Assuming your education fund will grow 50.00 percent annually, you will need to begin contributing "
            "$1,685.63 each year for the next 8 years." },
        // A fund worth exactly the cost at college start: no shortage, so fully funded.
        PlannedCase { { "17", "18", "7000", "1", "50", "7000", "50" },
            "1 years from now, the planned education will cost $10,500",
            "Assuming your education fund will grow at an annual rate of 50.00 percent, then in 1 years the fund "
            "will have a value of $10,500.00.  Since your educational need is $10,500.00, your current account will "
            "fully fund your objective." }));

TEST_F(CollegePageTest, HowToRecomputesTheProjectionFirst)
{
    succeedOnce();
    fillIn({ "0", "18", "25000", "4", "6.5", "1500.5", "1" });
    pressHowTo();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(sentence(), QStringLiteral("18 years from now, the planned education will cost $342,289"));
    EXPECT_TRUE(memo()->toPlainText().startsWith(QStringLiteral("At 1.00 percent per year")));
}

TEST_F(CollegePageTest, RepeatedPressesKeepOneParagraph)
{
    succeedOnce();
    for (int i = 0; i < 3; ++i) {
        pressHowTo();
        pressCalculate();
    }
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(memo()->document()->blockCount(), 1);
    EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8(workedPlan));
}

struct RejectedPlanCase
{
    const char* fund;
    const char* growth;
    const QString* message;
    const char* failingField;
};

class CollegePlanRejects : public CollegePageTest, public ::testing::WithParamInterface<RejectedPlanCase>
{ };

// How To reruns the projection (its sentence is rewritten), then refuses the plan and keeps the old one.
TEST_P(CollegePlanRejects, AfterTheNewSentenceAndKeepsTheOldPlan)
{
    succeedOnce();
    fillIn({ "6", "18", "7000", "4", "5", GetParam().fund, GetParam().growth });
    pressHowTo();

    expectOnlyWarning(*GetParam().message, GetParam().failingField);
    EXPECT_EQ(sentence(), QStringLiteral("12 years from now, the planned education will cost $54,183"));
    EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8(workedPlan));
}

INSTANTIATE_TEST_SUITE_P(Validation, CollegePlanRejects,
    ::testing::Values(RejectedPlanCase { "-1", "7", &fundMessage, "EditCurrCollegeFund" },
        RejectedPlanCase { "", "7", &fundMessage, "EditCurrCollegeFund" },
        RejectedPlanCase { "1,000", "7", &fundMessage, "EditCurrCollegeFund" },
        RejectedPlanCase { "-1", "0", &fundMessage, "EditCurrCollegeFund" },
        RejectedPlanCase { "0", "0.99", &growthMessage, "EditCollFundGrowth" },
        RejectedPlanCase { "0", "50.01", &growthMessage, "EditCollFundGrowth" },
        RejectedPlanCase { "0", "7%", &growthMessage, "EditCollFundGrowth" },
        RejectedPlanCase { "0", "", &growthMessage, "EditCollFundGrowth" }));

TEST_F(CollegePageTest, CalculateFollowedByARefusedPlanShowsTheSentenceThenTheWarning)
{
    fillIn({ "5", "18", "7000", "4", "5", "0", "51" });
    QString sentenceDuringWarning;
    recordedDialogs().whileShowing = [&] { sentenceDuringWarning = sentence(); };
    pressCalculate();
    expectOnlyWarning(growthMessage, "EditCollFundGrowth");
    EXPECT_EQ(sentenceDuringWarning, QString::fromUtf8(workedSentence));
    EXPECT_TRUE(control<QWidget>("Panel3")->isVisible());
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
}

// How To after a rejected projection stops there: one warning, no conversion error, no plan for zero or
// negative years, and the previous results stay.
TEST_F(CollegePageTest, HowToStopsAfterARejectedProjection)
{
    const struct
    {
        const char* childAge;
        const char* startingAge;
        const QString* message;
        const char* failingField;
    } cases[] = {
        { "", "18", &childAgeMessage, "Edit19" },
        { "18", "18", &startingAgeMessage, "Edit22" },
        { "20", "18", &startingAgeMessage, "Edit22" },
    };
    succeedOnce();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.childAge);
        recordedDialogs().reset();
        fillIn({ c.childAge, c.startingAge, "7000", "4", "5" });
        pressHowTo();
        expectOnlyWarning(*c.message, c.failingField);
        EXPECT_EQ(sentence(), QString::fromUtf8(workedSentence));
        EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8(workedPlan));
    }
}

TEST_F(CollegePageTest, GrowthBeyondTheLimitEndsInTheErrorBox)
{
    // A 99999 % increase over six years of college passes the growth limit of FutureValue in the projection:
    // neither the sentence nor the plan changes, from either button.
    succeedOnce();
    for (const char* button : { "Button9", "ButtonHowToCollege" }) {
        SCOPED_TRACE(button);
        recordedDialogs().reset();
        fillIn({ "5", "18", "7000", "6", "99999" });
        press(button);
        ASSERT_EQ(recordedDialogs().shown.size(), 1u);
        EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Error);
        EXPECT_EQ(recordedDialogs().shown[0].text, QStringLiteral("FutureValue."));
        EXPECT_EQ(sentence(), QString::fromUtf8(workedSentence));
        EXPECT_EQ(memo()->toPlainText(), QString::fromUtf8(workedPlan));
    }

    // A fund growing 50 % a year for 91 years passes it in the plan: the new sentence stays, the plan is emptied.
    recordedDialogs().reset();
    fillIn({ "0", "91", "7000", "4", "1", "0", "50" });
    pressHowTo();
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].text, QStringLiteral("FutureValue."));
    EXPECT_TRUE(sentence().startsWith(QStringLiteral("91 years from now")));
    EXPECT_TRUE(memo()->toPlainText().isEmpty());
}

TEST_F(CollegePageTest, PrintButtonIsThereButDoesNothingYet)
{
    succeedOnce();
    auto* print = control<QToolButton>("BitBtn2");
    EXPECT_EQ(print->text(), QStringLiteral("&Print"));
    EXPECT_TRUE(print->toolTip().isEmpty());
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_EQ(recordedDialogs().printerRequests, 0);
}

TEST_F(CollegePageTest, WrappedCaptionsFitTheirHeight)
{
    succeedOnce();
    // The longest sentences: two-digit years and a total of 15 digits, or in general form with a
    // four-digit exponent.
    const std::pair<const char*, const char*> longest[] = {
        { "370000000000000", "99 years from now, the planned education will cost $990,872,392,956,401" },
        { "9e4900", "99 years from now, the planned education will cost 2.41023014502908E4901" },
    };
    for (const auto& [cost, text] : longest) {
        fillIn({ "0", "99", cost, "1", "1" });
        pressCalculate();
        ASSERT_EQ(sentence(), QString::fromUtf8(text));
        EXPECT_LE(control<QLabel>("Label44")->heightForWidth(control<QLabel>("Label44")->width()), 42);
    }
    // The headings and the field captions wrap too.
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        if (!label->wordWrap())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    }
}

} // namespace
