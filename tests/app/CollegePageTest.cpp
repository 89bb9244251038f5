// The college page driven through its real widgets. Reference figures: 50-digit decimal arithmetic of
// P (1 + k)^n ((1 + k)^Y - 1) / k for the total, F (1 + g)^n for the fund, shortage g / ((1 + g)^n - 1).
#include "pages/CollegePage.h"

#include "RecordingDialogs.h"
#include "ShownPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

using app::CollegePage;

namespace {

const QString childAge = QStringLiteral("Enter child's current age as an integer (0 or greater).");
const QString startAge
    = QStringLiteral("Starting College Age must be greater than child's current age (must be an integer).");
const QString cost
    = QStringLiteral("Enter annual cost of college. Must be greater than 1, can include decimals but no commas or $.");
const QString years
    = QStringLiteral("Enter how many years child will spend in college (must be an integer like 4,5, etc.).");
const QString increase = QStringLiteral("Enter an estimated inflation rate for college expenses. OK to use decimals "
                                        "but no % sign (ex: 7.2% = 7.2,  8% = 8).");
const QString fund = QStringLiteral("You must enter a valid amount in the Education Fund field. Do not use $ or "
                                    "commas. If you do not have a fund, enter 0.");
const QString growth = QStringLiteral(
    "Growth rate must be between 1 and 50, decimal numbers OK (7% = 7, 15.25% = 15.25). Please re-enter.");

const char* const fieldNames[] = { "ChildAgeEdit", "StartingAgeEdit", "AnnualCostEdit", "CollegeYearsEdit",
    "CostIncreaseEdit", "CurrentFundEdit", "FundGrowthEdit" };
// Child's age, starting age, annual cost, years of college, increase, fund, fund growth.
using Fields = std::array<const char*, 7>;

const Fields example { "5", "18", "7000", "4", "5", "0", "7" };
const QString exampleSentence = QStringLiteral("13 years from now, the planned education will cost $56,892");
const QString examplePlan = QStringLiteral("Assuming your education fund will grow 7.00 percent annually, you will "
                                           "need to begin contributing $2,824.72 each year for the next 13 years.");

class CollegePageTest : public ShownPage<CollegePage>
{
protected:
    void fillIn(const Fields& fields)
    {
        for (std::size_t i = 0; i < fields.size(); ++i)
            control<QLineEdit>(fieldNames[i])->setText(QString::fromUtf8(fields[i]));
    }
    QString sentence() { return control<QLabel>("CostResultLabel")->text(); }
    QString plan() { return control<QPlainTextEdit>("CollegePlanText")->toPlainText(); }
};

TEST_F(CollegePageTest, DefaultsLeaveTheChildsAgeToTheUserAndShowNothing)
{
    press("CollegeCalculateButton");
    expectWarning(childAge, "ChildAgeEdit");
    EXPECT_FALSE(control("CostResultPanel")->isVisible());
    EXPECT_FALSE(control("CollegePlanPanel")->isVisible());
    EXPECT_EQ(page.property("defaultButton").toString(), QStringLiteral("CollegeCalculateButton"));
}

struct Rejected
{
    Fields fields;
    const QString* message;
    const char* field;
};

void PrintTo(const Rejected& c, std::ostream* out)
{
    *out << c.field;
}

class CollegeRejects : public CollegePageTest, public ::testing::WithParamInterface<Rejected>
{ };

// Calculate checks the page's fields in order; the plan's fields are checked only after a projection.
TEST_P(CollegeRejects, WithOneWarning)
{
    fillIn(GetParam().fields);
    press("CollegeCalculateButton");
    expectWarning(*GetParam().message, GetParam().field);
    const bool planField = GetParam().message == &fund || GetParam().message == &growth;
    EXPECT_EQ(control("CostResultPanel")->isVisible(), planField);
    EXPECT_EQ(control("CollegePlanPanel")->isVisible(), planField);
    EXPECT_TRUE(plan().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Validation, CollegeRejects,
    // Each field's warning reaches its own control; what each refuses is the readers' (ReadersTest).
    ::testing::Values(Rejected { { "-1", "18", "7000", "4", "5", "0", "7" }, &childAge, "ChildAgeEdit" },
        Rejected { { "17", "5", "7000", "4", "5", "0", "7" }, &startAge, "StartingAgeEdit" },
        Rejected { { "5", "18", "7,000", "4", "5", "0", "7" }, &cost, "AnnualCostEdit" },
        Rejected { { "5", "18", "7000", "4.", "5", "0", "7" }, &years, "CollegeYearsEdit" },
        Rejected { { "5", "18", "7000", "4", "5%", "0", "7" }, &increase, "CostIncreaseEdit" },
        Rejected { { "5", "18", "7000", "4", "5", "$0", "7" }, &fund, "CurrentFundEdit" },
        Rejected { { "5", "18", "7000", "4", "5", "0", "50.01" }, &growth, "FundGrowthEdit" }),
    [](const ::testing::TestParamInfo<Rejected>& info) {
        return std::string(info.param.field) + "_" + std::to_string(info.index);
    });

TEST_F(CollegePageTest, CalculateAndHowToShowTheCostAndOnePlan)
{
    const struct
    {
        Fields fields;
        const char* sentence;
        const char* plan;
    } cases[] = {
        { { "5", "18", "7000", "4", "5", "10000", "7" }, "13 years from now, the planned education will cost $56,892",
            "At 7.00 percent per year your education fund will grow to $24,098.45. That will leave a shortage of "
            "$32,793.23 which may be made up by contributing $1,628.21 per year for the next 13 years." },
        { { "5", "18", "7000", "4", "5", "100000", "7" }, "13 years from now, the planned education will cost $56,892",
            "Assuming your education fund will grow at an annual rate of 7.00 percent, then in 13 years the fund will "
            "have a value of $240,984.50.  Since your educational need is $56,891.68, your current account will fully "
            "fund your objective." },
        { { "0", "1", "2", "1", "1", "0", "1" }, "1 years from now, the planned education will cost $2",
            "Assuming your education fund will grow 1.00 percent annually, you will need to begin contributing $2.02 "
            "each year for the next 1 years." },
        { { "0", "18", "25000", "4", "6.5", "1500.5", "12.5" },
            "18 years from now, the planned education will cost $342,289",
            "At 12.50 percent per year your education fund will grow to $12,502.05. That will leave a shortage of "
            "$329,787.15 which may be made up by contributing $5,622.45 per year for the next 18 years." },
        // Worth exactly the cost at college start: no shortage.
        { { "17", "18", "7000", "1", "50", "7000", "50" }, "1 years from now, the planned education will cost $10,500",
            "Assuming your education fund will grow at an annual rate of 50.00 percent, then in 1 years the fund will "
            "have a value of $10,500.00.  Since your educational need is $10,500.00, your current account will fully "
            "fund your objective." },
    };
    fillIn(example);
    press("CollegeCalculateButton");
    EXPECT_EQ(sentence(), exampleSentence);
    EXPECT_EQ(plan(), examplePlan);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        fillIn(c.fields);
        // How To projects afresh before planning; pressed again, neither button gathers paragraphs.
        for (const char* button : { "CollegeHowToButton", "CollegeCalculateButton", "CollegeHowToButton" })
            press(button);
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(sentence(), QString::fromUtf8(c.sentence));
        EXPECT_EQ(plan(), QString::fromUtf8(c.plan));
        EXPECT_EQ(control<QPlainTextEdit>("CollegePlanText")->document()->blockCount(), 1);
        EXPECT_EQ(control<QPlainTextEdit>("CollegePlanText")->textCursor().position(), 0);
    }
}

// How To after a rejected projection stops there: one warning, no conversion error, no plan for zero or
// negative years, and the old plan stays beside the old projection. A refused plan field is reported after a
// new projection, from either button: the old plan no longer belongs to it and goes.
TEST_F(CollegePageTest, HowToKeepsThePlanOnlyBesideItsProjection)
{
    const struct
    {
        Rejected rejected;
        const char* button;
        bool planStays;
    } cases[] = {
        { { { "", "18", "7000", "4", "5", "0", "7" }, &childAge, "ChildAgeEdit" }, "CollegeHowToButton", true },
        { { { "18", "18", "7000", "4", "5", "0", "7" }, &startAge, "StartingAgeEdit" }, "CollegeHowToButton", true },
        { { { "20", "18", "7000", "4", "5", "0", "7" }, &startAge, "StartingAgeEdit" }, "CollegeHowToButton", true },
        { { { "6", "18", "7000", "4", "5", "0", "51" }, &growth, "FundGrowthEdit" }, "CollegeHowToButton", false },
        { { { "6", "18", "7000", "4", "5", "0", "51" }, &growth, "FundGrowthEdit" }, "CollegeCalculateButton", false },
    };
    for (const auto& [c, button, planStays] : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + button);
        fillIn(example);
        press("CollegeCalculateButton");
        recordedDialogs().reset();
        fillIn(c.fields);
        press(button);
        expectWarning(*c.message, c.field);
        EXPECT_EQ(plan(), planStays ? examplePlan : QString());
    }
    EXPECT_EQ(sentence(), QStringLiteral("12 years from now, the planned education will cost $54,183"));
}

TEST_F(CollegePageTest, GrowthBeyondTheLimitEndsBothStepsInTheErrorBox)
{
    fillIn(example);
    press("CollegeCalculateButton");
    // 99999 % over six years of college: the projection fails, from either button, and nothing changes.
    for (const char* button : { "CollegeCalculateButton", "CollegeHowToButton" }) {
        recordedDialogs().reset();
        fillIn({ "5", "18", "7000", "6", "99999", "0", "7" });
        press(button);
        expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("FutureValue."));
        EXPECT_EQ(sentence(), exampleSentence);
        EXPECT_EQ(plan(), examplePlan);
    }
    // A fund growing 50 % a year for 91 years fails in the plan: the new sentence stays, the plan is emptied.
    recordedDialogs().reset();
    fillIn({ "0", "91", "7000", "4", "1", "0", "50" });
    press("CollegeHowToButton");
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].kind, RecordingDialogs::Kind::Error);
    EXPECT_TRUE(sentence().startsWith(QStringLiteral("91 years from now")));
    EXPECT_TRUE(plan().isEmpty());
}

TEST_F(CollegePageTest, WrappedCaptionsFitTheirHeight)
{
    // The longest sentences: two-digit years and a total of 15 digits, or general text with a 4-digit exponent.
    for (const char* cost : { "370000000000000", "9e4900" }) {
        fillIn({ "0", "99", cost, "1", "1", "0", "7" });
        press("CollegeCalculateButton");
        for (const QLabel* label : page.findChildren<QLabel*>()) {
            if (!label->wordWrap())
                continue;
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
        }
    }
    EXPECT_EQ(sentence(), QStringLiteral("99 years from now, the planned education will cost 2.41023014502908E4901"));
}

} // namespace
