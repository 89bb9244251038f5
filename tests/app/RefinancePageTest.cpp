// The refinancing page driven through its real widgets: type, press Calculate, read the panels.
#include "pages/RefinancePage.h"

#include "RecordingDialogs.h"
#include "ShownPage.h"
#include "finance/TimeValue.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <charconv>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>

using app::RefinancePage;

namespace {

const QString currentMessage
    = QStringLiteral("Current mortgage must be greater than 1, entered without $ or commas. Please re-enter.");
const QString principalMessage = QStringLiteral(
    "Refinanced principal amount must be greater than 1, entered without $ or commas. Please re-enter.");
const QString termMessage = QStringLiteral(
    "Term of loan should be between 1 and 50, entered as an integer (ex: 15, 30, ...). Please re-enter.");
const QString rateMessage = QStringLiteral(
    "Interest rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = 8.25). Please re-enter.");
const QString costsMessage = QStringLiteral(
    "Mortgage Closing Costs must be greater than or equal to 0, entered without $ or commas. Please re-enter.");
const QString pointsMessage
    = QStringLiteral("Closing POINTS must be between 0 and 10, decimal numbers OK (1,1.25, etc.). Please re-enter.");
const QString dearerMessage = QStringLiteral("ERROR: Your refinanced mortgage is MORE expensive than your current "
                                             "mortgage. Please double-check your data entry and re-enter.");

// Current payment, principal, term, rate, closing costs, points: in tab order.
using Fields = std::array<const char*, 6>;
const char* const fieldNames[] = { "CurrentPaymentEdit", "RefinancedAmountEdit", "RefinancedYearsEdit",
    "RefinancedRateEdit", "ClosingCostsEdit", "PointsEdit" };
const char* const panelNames[]
    = { "NewPaymentPanel", "MonthlySavingsPanel", "TotalClosingCostsPanel", "BreakEvenPanel" };
using Panels = std::array<std::string, 4>;

class RefinancePageTest : public ShownPage<RefinancePage>
{
protected:
    void fillIn(const Fields& texts)
    {
        for (std::size_t i = 0; i < texts.size(); ++i)
            typeOver(fieldNames[i], texts[i]);
    }

    void pressCalculate() { press("RefinanceCalculateButton"); }

    Panels panels()
    {
        Panels texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = control<QLabel>(panelNames[i])->text().toStdString();
        return texts;
    }

    // The saving and break-even panels and their labels appear together.
    bool resultsShown()
    {
        return control<QWidget>("MonthlySavingsPanel")->isVisible()
            && control<QWidget>("MonthlySavingsLabel")->isVisible() && control<QWidget>("BreakEvenPanel")->isVisible()
            && control<QWidget>("BreakEvenLabel")->isVisible();
    }
};

TEST_F(RefinancePageTest, StartsEmptyWithPlaceholdersAndHiddenResults)
{
    for (const char* name : fieldNames) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_TRUE(field(name)->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(field("RefinancedYearsEdit")->maxLength(), 2);
    EXPECT_EQ(field("RefinancedRateEdit")->maxLength(), 5);
    EXPECT_EQ(field("PointsEdit")->maxLength(), 5);
    const Panels initial { "Calculated...", "Monthly Savings", "Calculated...", "Break Even" };
    EXPECT_EQ(panels(), initial);
    EXPECT_TRUE(control<QWidget>("NewPaymentPanel")->isVisible());
    EXPECT_FALSE(control<QWidget>("MonthlySavingsPanel")->isVisible());
    EXPECT_FALSE(control<QWidget>("MonthlySavingsLabel")->isVisible());
    EXPECT_FALSE(control<QWidget>("BreakEvenPanel")->isVisible());
    EXPECT_FALSE(control<QWidget>("BreakEvenLabel")->isVisible());
    EXPECT_EQ(page.property("defaultButton").toString(), QStringLiteral("RefinanceCalculateButton"));
    EXPECT_EQ(control<QPushButton>("RefinanceCalculateButton")->text(), QStringLiteral("Ca&lculate"));
}

TEST_F(RefinancePageTest, TabWalksTheFieldsThenTheButton)
{
    field("CurrentPaymentEdit")->setFocus();
    for (const char* name : { "RefinancedAmountEdit", "RefinancedYearsEdit", "RefinancedRateEdit", "ClosingCostsEdit",
             "PointsEdit", "RefinanceCalculateButton" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
}

TEST_F(RefinancePageTest, RejectedFieldsWarnSelectAndLeaveTheResults)
{
    fillIn({ "1200", "150000", "30", "6.5", "2000", "1" });
    pressCalculate();
    const Panels before = panels();
    ASSERT_EQ(before[0], "$948.10");

    const struct
    {
        Fields fields;
        const QString* message;
        const char* failing;
    } cases[] = {
        // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
        { { "", "", "", "", "", "" }, &currentMessage, "CurrentPaymentEdit" },
        { { "1200", "1.99", "30", "6.5", "2000", "1" }, &principalMessage, "RefinancedAmountEdit" },
        { { "1200", "150000", "5 ", "6.5", "2000", "1" }, &termMessage, "RefinancedYearsEdit" },
        { { "1200", "150000", "30", "7%", "2000", "1" }, &rateMessage, "RefinancedRateEdit" },
        { { "1200", "150000", "30", "6.5", "-1", "1" }, &costsMessage, "ClosingCostsEdit" },
        { { "1200", "150000", "30", "6.5", "2000", "10.5" }, &pointsMessage, "PointsEdit" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing + std::string(" ") + c.fields[0] + "|" + c.fields[2] + "|" + c.fields[5]);
        recordedDialogs().reset();
        fillIn(c.fields);
        pressCalculate();
        expectWarning(*c.message, c.failing);
        EXPECT_EQ(panels(), before);
    }
}

// Reference figures: P = A i / (1 - (1 + i)^-n) with i = rate / 1200, saving = current - P, costs +
// points x principal / 100 and costs / saving, in 50-digit decimal arithmetic.
TEST_F(RefinancePageTest, ShowsPaymentSavingCostsAndBreakEven)
{
    const struct
    {
        Fields fields;
        Panels shown;
    } cases[] = {
        { { "1200", "150000", "30", "6.5", "2000", "1" }, { "$948.10", "$251.90", "$3,500.00", "13.9" } },
        { { "2500", "300000", "15", "4.25", "3500", "1.5" }, { "$2,256.84", "$243.16", "$8,000.00", "32.9" } },
        { { "1000", "100000", "30", "1", "0", "10" }, { "$321.64", "$678.36", "$10,000.00", "14.7" } },
        { { "3000", "100000", "30", "3.75", "0", "0" }, { "$463.12", "$2,536.88", "$0.00", "0.0" } },
        { { "2", "2", "1", "30", "0", "0" }, { "$0.19", "$1.81", "$0.00", "0.0" } },
        { { "700000", "9999999", "50", "30", "99999", "10" },
            { "$250,000.07", "$449,999.93", "$1,099,998.90", "2.4" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields[0]);
        recordedDialogs().reset();
        fillIn(c.fields);
        pressCalculate();
        EXPECT_TRUE(recordedDialogs().shown.empty());
        EXPECT_EQ(panels(), c.shown);
        EXPECT_TRUE(resultsShown());
        for (const char* name : panelNames) {
            const QLabel* panel = control<QLabel>(name);
            EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width()) << name;
        }
    }
}

TEST_F(RefinancePageTest, ADearerLoanWarnsAfterTheResultsAreShown)
{
    Panels whileWarning;
    recordedDialogs().whileShowing = [&] { whileWarning = panels(); };
    fillIn({ "900", "150000", "30", "7", "2000", "1" });
    pressCalculate();
    expectOnlyBox(RecordingDialogs::Kind::Warning, dearerMessage);
    const Panels dearer { "$997.95", "($97.95)", "$3,500.00", "-35.7" };
    EXPECT_EQ(whileWarning, dearer);
    EXPECT_EQ(panels(), dearer);
    EXPECT_TRUE(resultsShown());
}

// With the current payment typed as exactly the new payment, there is no saving to divide by: the
// error box reports it after the payment, saving and cost panels were written, and nothing else changes.
TEST_F(RefinancePageTest, NoSavingEndsInTheErrorBoxAfterThreePanels)
{
    const finance::Extended newPayment
        = finance::Payment(finance::monthlyRate(6.5L), 360, -150000, 0, finance::PaymentTiming::EndOfPeriod);
    std::array<char, 64> digits {};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), newPayment);
    const std::string exactPayment(digits.data(), written.ptr);

    const struct
    {
        const char* costs;
        const char* points;
        const char* totalShown;
        const char* error;
    } cases[] = {
        { "2000", "1", "$3,500.00", "Floating point division by zero." },
        { "0", "0", "$0.00", "Invalid floating point operation." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        recordedDialogs().reset();
        fillIn({ exactPayment.c_str(), "150000", "30", "6.5", c.costs, c.points });
        pressCalculate();
        expectOnlyBox(RecordingDialogs::Kind::Error, QString::fromLatin1(c.error));
        const Panels partial { "$948.10", "$0.00", c.totalShown, "Break Even" };
        EXPECT_EQ(panels(), partial);
        EXPECT_FALSE(control<QWidget>("MonthlySavingsPanel")->isVisible());
        EXPECT_FALSE(control<QWidget>("BreakEvenLabel")->isVisible());
    }
}

} // namespace
