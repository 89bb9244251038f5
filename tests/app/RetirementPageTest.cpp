// The retirement page driven through its real widgets: the need with Calculate, the savings plan with How To.
// Expected figures are the closed forms of the calculator tests, evaluated in 50-digit decimal arithmetic.
#include "pages/RetirementPage.h"

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
#include <tuple>
#include <utility>

using app::RetirementPage;

namespace {

const QString ageMessage
    = QStringLiteral("You must enter your current age as an integer (32,33,etc..). Please re-enter.");
const QString retireAgeMessage = QStringLiteral(
    "Enter a retirement age equal to or older than your current age. Must be an integer (55, 65, etc..).");
const QString incomeMessage
    = QStringLiteral("You must enter a desired monthly income (ex: 2500 or 5000) as a number, without $ or commas.");
const QString yearsMessage
    = QStringLiteral("Enter the number of years you will spend in retirement living off your monthly income.");
const QString growthMessage = QStringLiteral("Enter the estimated interest rate your retirement funds will grow at.");
const QString inflationMessage = QStringLiteral(
    "Enter an estimated inflation rate, greater than 0. OK to use decimals but no % sign (ex: 2.5% = 2.5).");
const QString assetsMessage = QStringLiteral("You must enter a valid number value for your current retirement "
                                             "assets, without $ or commas. If you have nothing, enter 0.");

// Current age, retirement age, monthly income, years of retirement, growth, inflation: the tab order.
using NeedFields = std::array<const char*, 6>;
constexpr NeedFields workedExample { "35", "65", "3000", "30", "7", "4" };

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Readable test names: the field texts as typed.
std::string typed(const NeedFields& fields)
{
    std::string joined = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i)
        joined = joined + "|" + fields[i];
    return joined;
}

class RetirementPageTest : public ShownPage<RetirementPage>
{
protected:
    bool shown(const char* name) { return control(name)->isVisible(); }
    QString sentence() { return control<QLabel>("NeedResultLabel")->text(); }
    QString plan() { return control<QPlainTextEdit>("RetirementPlanText")->toPlainText(); }
    void fillIn(const NeedFields& texts)
    {
        const char* const names[] = { "CurrentAgeEdit", "RetirementAgeEdit", "MonthlyIncomeEdit", "RetirementYearsEdit",
            "GrowthRateEdit", "InflationEdit" };
        for (std::size_t i = 0; i < texts.size(); ++i)
            typeOver(names[i], texts[i]);
    }
};

TEST_F(RetirementPageTest, StartsWithItsDefaultsAndOnlyTheInputs)
{
    const std::tuple<const char*, const char*, int> fields[] = { { "CurrentAgeEdit", "", 2 },
        { "RetirementAgeEdit", "65", 2 }, { "MonthlyIncomeEdit", "", 32767 }, { "RetirementYearsEdit", "30", 2 },
        { "GrowthRateEdit", "7", 5 }, { "InflationEdit", "4", 5 }, { "RetirementFundEdit", "0", 32767 } };
    for (const auto& [name, defaultText, maxLength] : fields) {
        EXPECT_EQ(control<QLineEdit>(name)->text(), text(defaultText)) << name;
        EXPECT_EQ(control<QLineEdit>(name)->maxLength(), maxLength) << name;
    }
    EXPECT_FALSE(shown("NeedResultPanel"));
    EXPECT_FALSE(shown("RetirementPlanPanel"));
    EXPECT_TRUE(control("RecalculateLabel")->isHidden());
    EXPECT_EQ(page.property("defaultButton").toString(), QStringLiteral("RetirementCalculateButton"));
}

struct Rejected
{
    NeedFields fields;
    const QString* message;
    const char* failingField;
};
void PrintTo(const Rejected& c, std::ostream* os)
{
    *os << typed(c.fields);
}

class CalculateRejects : public RetirementPageTest, public ::testing::WithParamInterface<Rejected>
{ };

TEST_P(CalculateRejects, WarnsSelectsTheFieldAndShowsNothing)
{
    fillIn(GetParam().fields);
    press("RetirementCalculateButton");
    expectWarning(*GetParam().message, GetParam().failingField);
    EXPECT_FALSE(shown("NeedResultPanel"));
    EXPECT_FALSE(shown("RetirementPlanPanel"));
}

INSTANTIATE_TEST_SUITE_P(Validation, CalculateRejects,
    // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
    ::testing::Values(Rejected { { "", "65", "", "30", "7", "4" }, &ageMessage, "CurrentAgeEdit" },
        Rejected { { "35", "6x", "3000", "30", "7", "4" }, &retireAgeMessage, "RetirementAgeEdit" },
        Rejected { { "35", "65", "3,000", "30", "7", "4" }, &incomeMessage, "MonthlyIncomeEdit" },
        Rejected { { "35", "65", "3000", "2.", "7", "4" }, &yearsMessage, "RetirementYearsEdit" },
        Rejected { { "35", "65", "3000", "30", "7%", "4" }, &growthMessage, "GrowthRateEdit" },
        Rejected { { "35", "65", "3000", "30", "7", "-0.5" }, &inflationMessage, "InflationEdit" },
        // Several wrong fields: the first in order is reported.
        Rejected { { "35", "30", "", "0", "-1", "x" }, &retireAgeMessage, "RetirementAgeEdit" }));

struct NeedCase
{
    NeedFields fields;
    const char* figures; // need, income, inflation
};
void PrintTo(const NeedCase& c, std::ostream* os)
{
    *os << typed(c.fields);
}

class CalculateShows : public RetirementPageTest, public ::testing::WithParamInterface<NeedCase>
{ };

TEST_P(CalculateShows, TheNeedAndTheSavingsPlanSection)
{
    fillIn(GetParam().fields);
    press("RetirementCalculateButton");
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_TRUE(shown("NeedResultPanel"));
    EXPECT_TRUE(shown("RetirementPlanPanel"));
    const QStringList figures = text(GetParam().figures).split(u' ');
    EXPECT_EQ(sentence(),
        QStringLiteral("You will need %1 at retirement in order to provide an inflation adjusted monthly income of %2, "
                       "along with annual cost of living increases of %3 percent.")
            .arg(figures[0], figures[1], figures[2]));
}

INSTANTIATE_TEST_SUITE_P(Needs, CalculateShows,
    ::testing::Values(NeedCase { workedExample, "$2,390,120 $9,730 4.00" },
        // Growth equal to inflation: no real return, the need is 12 W N - 1.
        NeedCase { { "35", "65", "3000", "30", "4", "4" }, "$3,502,868 $9,730 4.00" },
        // Retiring now: the income is today's.
        NeedCase { { "40", "40", "2500", "20", "6", "3" }, "$463,056 $2,500 3.00" },
        // No growth, no inflation; the half dollar rounds away from zero.
        NeedCase { { "30", "62", "4200.5", "25", "0", "0" }, "$1,260,149 $4,201 0.00" },
        NeedCase { { "1", "99", "2", "1", "8.5", "3.25" }, "$550 $46 3.25" }));

TEST_F(RetirementPageTest, InflationBeyondTheTimeValueRangeEndsInTheErrorBox)
{
    fillIn({ "30", "36", "3000", "30", "7", "99999" });
    press("RetirementCalculateButton");
    expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("FutureValue."));
    EXPECT_FALSE(shown("NeedResultPanel"));
    EXPECT_FALSE(shown("RetirementPlanPanel"));
}

TEST_F(RetirementPageTest, RecalculateMarkerFlagsAPlanThatMayBeOutOfDate)
{
    fillIn(workedExample);
    press("RetirementCalculateButton");
    EXPECT_FALSE(shown("RecalculateLabel"));
    const QString first = sentence();

    // Any later Calculate raises it, even one that fails and keeps the sentence.
    typeOver("MonthlyIncomeEdit", "1");
    press("RetirementCalculateButton");
    EXPECT_TRUE(shown("RecalculateLabel"));
    EXPECT_EQ(sentence(), first);

    // How To lowers it first thing, even when it then refuses the assets.
    typeOver("MonthlyIncomeEdit", "3000");
    typeOver("RetirementFundEdit", "");
    press("RetirementHowToButton");
    EXPECT_FALSE(shown("RecalculateLabel"));
    press("RetirementCalculateButton");
    EXPECT_TRUE(shown("RecalculateLabel"));
    typeOver("RetirementFundEdit", "0");
    press("RetirementHowToButton");
    EXPECT_FALSE(shown("RecalculateLabel"));
}

struct PlanCase
{
    NeedFields fields;
    const char* assets;
    const char* plan;
};
void PrintTo(const PlanCase& c, std::ostream* os)
{
    *os << typed(c.fields) << " assets " << c.assets;
}

class HowToShows : public RetirementPageTest, public ::testing::WithParamInterface<PlanCase>
{ };

TEST_P(HowToShows, OnePlanParagraphFromItsStart)
{
    fillIn(GetParam().fields);
    press("RetirementCalculateButton");
    typeOver("RetirementFundEdit", GetParam().assets);
    press("RetirementHowToButton");
    press("RetirementHowToButton");
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(plan(), text(GetParam().plan));
    const QTextCursor caret = control<QPlainTextEdit>("RetirementPlanText")->textCursor();
    EXPECT_EQ(caret.position(), 0);
    EXPECT_FALSE(caret.hasSelection());
}

INSTANTIATE_TEST_SUITE_P(Plans, HowToShows,
    ::testing::Values(
        PlanCase { workedExample, "0",
            "Based upon your retirement account earning 7.00 percent annually you will need to contribute "
            "$25,302.77 annually for the next 30 years until you retire." },
        PlanCase { workedExample, "100000",
            "At 7.00 percent per year your current account will grow to $761,225.50. That will leave you with a "
            "shortage of $1,628,894.34 which may be made up by contributing $17,244.13 per year." },
        PlanCase { workedExample, "2000000",
            "If your current retirement assets grow at an annual rate of 7.00 percent, then at retirement your account "
            "will have a value of $15,224,510.09. Since your retirement need is only $2,390,119.84, your current "
            "account will fully fund your objective." },
        PlanCase { { "50", "60", "5000", "35", "5", "5" }, "2000000",
            "At 5.00 percent per year your current account will grow to $3,257,789.25. That will leave you with a "
            "shortage of $162,888.46 which may be made up by contributing $12,950.38 per year." },
        // No growth: the yearly savings simply add up.
        PlanCase { { "35", "65", "3000", "30", "0", "4" }, "0",
            "Based upon your retirement account earning 0.00 percent annually you will need to contribute "
            "$218,286.79 annually for the next 30 years until you retire." },
        // Retiring now with the need (12 x 3000 x 30 - 1) exactly covered: no saving years are needed.
        PlanCase { { "40", "40", "3000", "30", "5", "5" }, "1079999",
            "If your current retirement assets grow at an annual rate of 5.00 percent, then at retirement your account "
            "will have a value of $1,079,999.00. Since your retirement need is only $1,079,999.00, your current "
            "account will fully fund your objective." }));

struct RejectedPlan
{
    const char* changedField; // edited after Calculate
    const char* changedTo;
    const char* assets;
    const QString* message;
    const char* failingField;
};
void PrintTo(const RejectedPlan& c, std::ostream* os)
{
    *os << c.changedField << " " << c.changedTo << ", assets " << c.assets;
}

class HowToRejects : public RetirementPageTest, public ::testing::WithParamInterface<RejectedPlan>
{ };

TEST_P(HowToRejects, WarnsAndKeepsTheLastPlan)
{
    fillIn(workedExample);
    press("RetirementCalculateButton");
    press("RetirementHowToButton");
    const QString lastPlan = plan();
    typeOver(GetParam().changedField, GetParam().changedTo);
    typeOver("RetirementFundEdit", GetParam().assets);
    press("RetirementHowToButton");
    expectWarning(*GetParam().message, GetParam().failingField);
    EXPECT_EQ(plan(), lastPlan);
}

INSTANTIATE_TEST_SUITE_P(Validation, HowToRejects,
    ::testing::Values(RejectedPlan { "CurrentAgeEdit", "35", "", &assetsMessage, "RetirementFundEdit" },
        RejectedPlan { "CurrentAgeEdit", "35", "-1", &assetsMessage, "RetirementFundEdit" },
        RejectedPlan { "CurrentAgeEdit", "35", "1,000", &assetsMessage, "RetirementFundEdit" },
        // The page's fields are checked again, before the assets.
        RejectedPlan { "RetirementAgeEdit", "30", "x", &retireAgeMessage, "RetirementAgeEdit" },
        RejectedPlan { "CurrentAgeEdit", "", "0", &ageMessage, "CurrentAgeEdit" }));

struct FailingPlan
{
    NeedFields fields;
    const char* error;
};
void PrintTo(const FailingPlan& c, std::ostream* os)
{
    *os << typed(c.fields);
}

class HowToFails : public RetirementPageTest, public ::testing::WithParamInterface<FailingPlan>
{ };

TEST_P(HowToFails, InTheErrorBoxAndKeepsTheLastPlan)
{
    fillIn(workedExample);
    press("RetirementCalculateButton");
    press("RetirementHowToButton");
    const QString lastPlan = plan();
    fillIn(GetParam().fields);
    press("RetirementCalculateButton");
    ASSERT_TRUE(recordedDialogs().shown.empty());
    press("RetirementHowToButton");
    expectOnlyBox(RecordingDialogs::Kind::Error, text(GetParam().error));
    EXPECT_EQ(plan(), lastPlan);
}

INSTANTIATE_TEST_SUITE_P(Errors, HowToFails,
    ::testing::Values(
        // A shortage and no year left to save in.
        FailingPlan { { "40", "40", "2500", "20", "6", "3" }, "Floating point division by zero." },
        FailingPlan { { "40", "40", "2500", "20", "0", "3" }, "Floating point division by zero." },
        // Assets doubling for 54 years outgrow the time-value functions.
        FailingPlan { { "1", "55", "3000", "30", "100", "4" }, "FutureValue." }));

TEST_F(RetirementPageTest, TheLongestNeedSentencesFitTheirPanel)
{
    // The widest figures: a fifteen-digit income, general-form needs and the widest five-character inflation rate.
    const std::pair<NeedFields, const char*> longest[] = {
        { { "1", "2", "998000000000", "99", "0", "99999" }, "income of $998,988,020,000,000, along" },
        { { "1", "2", "2.12345678901234", "99", "0", "99e16" }, "increases of 990,000,000,000,000,000.00 percent." },
    };
    const auto* label = control<QLabel>("NeedResultLabel");
    for (const auto& [fields, piece] : longest) {
        fillIn(fields);
        press("RetirementCalculateButton");
        EXPECT_TRUE(sentence().contains(text(piece))) << sentence().toStdString();
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << sentence().toStdString();
    }
}

} // namespace
