// The loan payment matrix window: opening defaults, validation, the fill, the rate step and the
// spin boxes, driven through its real widgets.
#include "loan/MatrixWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "ScopedRegionalSettings.h"
#include "ShownPage.h"
#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "widgets/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <cstddef>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using app::LoanPage;
#include "LoanOpening.h"
using app::MatrixWindow;

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList texts(const std::vector<const char*>& utf8)
{
    QStringList list;
    for (const char* item : utf8)
        list.append(text(item));
    return list;
}

// Looks into a matrix window by control name.
struct MatrixControls
{
    QWidget* window;

    QLineEdit* field(const char* name) const { return find<QLineEdit>(*window, name); }
    QSpinBox* spin(const char* name) const { return find<QSpinBox>(*window, name); }
    const QTableWidget& grid() const { return *find<QTableWidget>(*window, "MatrixGrid"); }
    QScrollBar* rateStep() const { return find<QScrollBar>(*window, "RateIncrementScrollBar"); }
    QStringList row(int number) const { return app::gridTexts(grid())[static_cast<std::size_t>(number)]; }
    void calculate() const { find<QPushButton>(*window, "CalculateButton")->click(); }
    void type(QWidget* target, const char* typed) const
    {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(target, text(typed));
    }
};

class MatrixWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { recordedDialogs().reset(); }
    void TearDown() override { EXPECT_EQ(liveTopLevelCount("app::MatrixWindow"), 0); }

    // A matrix opened on the loan page's texts, shown and active.
    std::unique_ptr<MatrixWindow> open(const char* amount, const char* years, const char* rate)
    {
        auto window = std::make_unique<MatrixWindow>(loanOpening(text(amount), text(years), text(rate)));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
};

// The Matrix button of a loan page shown on its own.
class MatrixButtonTest : public ShownPage<LoanPage>
{
protected:
    void TearDown() override { EXPECT_EQ(liveTopLevelCount("app::MatrixWindow"), 0); }
};

// Payments from P = A i / (1 - (1 + i)^-n), i = rate / 1200, in 50-digit decimal arithmetic.
TEST_F(MatrixButtonTest, EveryMatrixPressOpensAFreshModalWindowOnTheLoanPagesTexts)
{
    field("AmountEdit")->setText(QStringLiteral("150000"));
    field("YearsEdit")->setText(QStringLiteral("30"));
    for (const bool closeWithEsc : { false, true }) {
        SCOPED_TRACE(closeWithEsc);
        bool looked = false;
        whenModalShows([&](QWidget* modal) {
            looked = true;
            const MatrixControls matrix { modal };
            EXPECT_EQ(modal->objectName(), QStringLiteral("MatrixWindow"));
            EXPECT_EQ(modal->windowTitle(), QStringLiteral(" Loan Payment Matrix"));
            EXPECT_EQ(modal->parentWidget(), nullptr);
            EXPECT_EQ(modal->size(), QSize(622, 433));
            EXPECT_TRUE(modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_EQ(modal->focusWidget(), matrix.field("StartLoanEdit"));
            EXPECT_EQ(matrix.field("LoanIncrementEdit")->text(), QStringLiteral("15000"));
            EXPECT_EQ(matrix.spin("Term1Spin")->value(), 30);
            EXPECT_EQ(matrix.spin("Term2Spin")->value(), 30);
            EXPECT_EQ(matrix.field("RateIncrementEdit")->text(), QStringLiteral(".250"));
            EXPECT_EQ(matrix.rateStep()->value(), 2);
            EXPECT_EQ(app::gridRowCount(matrix.grid()), 11);

            // Loan Term#2 typed as 15 and confirmed with Enter: the usual 15 and 30 year comparison.
            matrix.type(matrix.spin("Term2Spin"), "15");
            QTest::keyClick(matrix.spin("Term2Spin"), Qt::Key_Return);
            EXPECT_EQ(matrix.row(1), texts({ "", " $150000", " $165000", " $180000", " $195000" }));
            EXPECT_EQ(matrix.row(3),
                texts({ "    Interest Rate = 7%", " $997.95", " $1,097.75", " $1,197.54", " $1,297.34" }));
            EXPECT_EQ(matrix.row(6)[0], QStringLiteral(" Loan #2 = 15 years:"));
            EXPECT_EQ(matrix.row(7),
                texts({ "    Interest Rate = 7%", " $1,348.24", " $1,483.07", " $1,617.89", " $1,752.72" }));
            EXPECT_EQ(matrix.row(8)[0], QStringLiteral("    Interest Rate = 7.25%"));
            EXPECT_EQ(matrix.row(10), QStringList(5, QString()));

            if (closeWithEsc)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                QTest::mouseClick(find<QPushButton>(*matrix.window, "CloseButton"), Qt::LeftButton);
        });
        press("MatrixButton");
        EXPECT_TRUE(looked);
        EXPECT_EQ(liveTopLevelCount("app::MatrixWindow"), 0);
    }
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

struct OpeningCase
{
    const char* name;
    const char* amount;
    const char* years;
    const char* rate;
    const char* error; // in the application error box, or ""
    const char* increment;
    int terms;
    std::vector<std::pair<int, std::vector<const char*>>> rows;
};

void PrintTo(const OpeningCase& c, std::ostream* out)
{
    *out << c.name;
}

class MatrixOpening : public MatrixWindowTest, public ::testing::WithParamInterface<OpeningCase>
{ };

TEST_P(MatrixOpening, TakesItsDefaultsFromTheLoanPage)
{
    const OpeningCase& c = GetParam();
    const auto window = open(c.amount, c.years, c.rate);
    const MatrixControls matrix { window.get() };
    if (*c.error) {
        expectOnlyBox(RecordingDialogs::Kind::Error, text(c.error));
    } else {
        EXPECT_TRUE(recordedDialogs().shown.empty());
    }
    EXPECT_EQ(matrix.field("StartLoanEdit")->text(), text(c.amount));
    EXPECT_EQ(matrix.field("LoanIncrementEdit")->text(), text(c.increment));
    EXPECT_EQ(matrix.spin("Term1Spin")->value(), c.terms);
    EXPECT_EQ(matrix.spin("Term2Spin")->value(), c.terms);
    for (const auto& [number, cells] : c.rows)
        EXPECT_EQ(matrix.row(number), texts(cells)) << number;
    // The heading row shows only what was written into it, never the table's own column numbers.
    for (int column = 0; column < matrix.grid().columnCount(); ++column)
        EXPECT_EQ(matrix.grid().model()->headerData(column, Qt::Horizontal).toString(), matrix.row(0)[column]);
}

// A loan amount that is not whole stops the opening while the matrix is not yet on screen: the error box
// stands over the loan page's window, which is where the user is looking.
TEST_F(MatrixButtonTest, AnOpeningErrorIsShownOverTheLoanPage)
{
    field("AmountEdit")->setText(QStringLiteral("150000.5"));
    whenModalShows([](QWidget* modal) { modal->close(); });
    press("MatrixButton");
    ASSERT_EQ(recordedDialogs().shown.size(), 1u);
    EXPECT_EQ(recordedDialogs().shown[0].text, QStringLiteral("'150000.5' is not a valid integer value."));
    EXPECT_EQ(recordedDialogs().shown[0].owner, &page);
}

INSTANTIATE_TEST_SUITE_P(LoanPageFields, MatrixOpening,
    ::testing::Values(
        OpeningCase { "Initial_texts", "0", "15", "7", "", "0", 15,
            { { 1, { "", " $0", " $0", " $0", " $0" } }, { 2, { " Loan #1 = 15 years:", "", "", "", "" } },
                { 4, { "    Interest Rate = 7.25%", " $0.00", " $0.00", " $0.00", " $0.00" } },
                { 5, { "    Interest Rate = 7.5%", " $0.00", " $0.00", " $0.00", " $0.00" } },
                { 6, { "", "", "", "", "" } } } },
        OpeningCase { "Tiny_amount", "7", "0", "7", "", "0", 1, { { 1, { "", " $7", " $7", " $7", " $7" } } } },
        OpeningCase { "Long_term", "250000", "75", "8.5", "", "25000", 50,
            { { 2, { " Loan #1 = 50 years:", "", "", "", "" } },
                { 3, { "    Interest Rate = 8.5%", " $1,796.85", " $1,976.54", " $2,156.22", " $2,335.91" } } } },
        // Texts that do not convert: the opening stops there, and the window still opens.
        OpeningCase { "Amount_with_cents", "100000.50", "15", "7", "'100000.50' is not a valid integer value.", "", 1,
            { { 0, { "", "", "", "", "" } }, { 1, { "", "", "", "", "" } } } },
        OpeningCase { "Rate_with_percent", "100000", "15", "7%", "'7%' is not a valid floating point value.", "10000",
            15,
            { { 1, { "", " $100000", " $110000", " $120000", " $130000" } },
                { 2, { " Loan #1 = 15 years:", "", "", "", "" } }, { 3, { "", "", "", "", "" } } } }),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase
{
    const char* field;
    const char* typed;
    const char* message;
};

TEST_F(MatrixWindowTest, ValidationWarnsSelectsTheFieldAndKeepsTheGrid)
{
    const char* startLoan = "STARTING LOAN VALUE must be an integer greater than 1. Do not enter any \"$\" signs. "
                            "Please re-enter.";
    const char* increment = "LOAN VALUE INCREMENT must be an integer greater than 1. Do not enter any \"$\" signs. "
                            "Please re-enter.";
    const char* shortRate = "Starting Interest Rate must be between 1 and 30, decimal numbers OK.";
    const char* longRate = "Starting Interest Rate must be between 1 and 30, decimal numbers OK (7% = 7, 8.25% = "
                           "8.25). Please re-enter.";
    const RejectedCase cases[] = {
        // Each field's warning reaches its own control; what each refuses is the reader's (ReadersTest).
        { "StartLoanEdit", "150000 ", startLoan },
        { "StartLoanEdit", "", startLoan },
        { "LoanIncrementEdit", "2e3", increment },
        { "StartRateEdit", "30.01", shortRate },
        { "StartRateEdit", "7%", longRate },
    };
    const auto window = open("150000", "30", "7");
    const MatrixControls matrix { window.get() };
    const app::GridTexts before = app::gridTexts(matrix.grid());
    for (const RejectedCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " '" + c.typed + "'");
        recordedDialogs().reset();
        QLineEdit* field = matrix.field(c.field);
        const QString kept = field->text();
        field->setText(text(c.typed));
        matrix.field("RateIncrementEdit")->setFocus();
        matrix.calculate();
        expectWarningAt(field, text(c.message));
        EXPECT_EQ(app::gridTexts(matrix.grid()), before);
        field->setText(kept);
    }
    // The bounds pass: a loan value of 2, rates of 1 and 30.
    matrix.field("StartLoanEdit")->setText(QStringLiteral("2"));
    matrix.field("LoanIncrementEdit")->setText(QStringLiteral("2"));
    matrix.field("StartRateEdit")->setText(QStringLiteral("30"));
    recordedDialogs().reset();
    matrix.calculate();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(matrix.row(1)[4], QStringLiteral(" $8"));
}

TEST_F(MatrixWindowTest, TheScrollBarSetsTheRateStepTheFillUses)
{
    const auto window = open("150000", "30", "7");
    const MatrixControls matrix { window.get() };
    matrix.rateStep()->setValue(16);
    EXPECT_EQ(matrix.field("RateIncrementEdit")->text(), QStringLiteral("2.000"));
    // Changing the step alone leaves the grid as it was.
    EXPECT_EQ(matrix.row(4)[0], QStringLiteral("    Interest Rate = 7.25%"));
    matrix.calculate();
    EXPECT_EQ(matrix.row(4)[0], QStringLiteral("    Interest Rate = 9%"));
    EXPECT_EQ(matrix.row(5)[0], QStringLiteral("    Interest Rate = 11%"));
}

// The keys move the rate step as its arrow buttons do, from the opening step .250, and the focus shows.
TEST_F(MatrixWindowTest, TheScrollBarsKeysFollowItsArrowsAndItsFocusShows)
{
    const auto window = open("150000", "30", "7");
    const MatrixControls matrix { window.get() };
    auto* scrollBar = matrix.rateStep();
    const QImage unfocused = scrollBar->grab().toImage();
    const struct
    {
        Qt::Key key;
        const char* step;
    } cases[] = { { Qt::Key_Right, ".375" }, { Qt::Key_Up, ".375" }, { Qt::Key_Left, ".125" }, { Qt::Key_Down, ".125" },
        { Qt::Key_End, "2.000" }, { Qt::Key_Home, ".125" } };
    matrix.field("StartRateEdit")->setFocus();
    QTest::keyClick(matrix.field("StartRateEdit"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), scrollBar);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        scrollBar->setValue(2);
        QTest::keyClick(scrollBar, c.key);
        EXPECT_EQ(matrix.field("RateIncrementEdit")->text(), QString::fromLatin1(c.step));
    }
    scrollBar->setValue(2);
    EXPECT_NE(scrollBar->grab().toImage(), unfocused);
}

TEST_F(MatrixWindowTest, SpinBoxesCountByArrowsAndTermsMayBeTypedOutOfRange)
{
    const auto window = open("100000", "15", "8");
    const MatrixControls matrix { window.get() };

    // The two counts only move with the arrows.
    QSpinBox* amounts = matrix.spin("LoanCountSpin");
    matrix.type(amounts, "2");
    EXPECT_EQ(amounts->text(), QStringLiteral("4"));
    QTest::keyClick(amounts, Qt::Key_Down);
    QTest::keyClick(amounts, Qt::Key_Down);
    QTest::keyClick(amounts, Qt::Key_Down);
    QTest::keyClick(matrix.spin("RateCountSpin"), Qt::Key_Down);
    matrix.calculate();
    EXPECT_EQ(matrix.row(1), texts({ "", " $100000", "", "", "" }));
    EXPECT_EQ(matrix.row(4), texts({ "    Interest Rate = 8.25%", " $970.14", "", "", "" }));
    EXPECT_EQ(matrix.row(5), QStringList(5, QString()));

    // 99 years confirmed with Enter is used as typed (1188 months); leaving the box clamps it to 50.
    QSpinBox* term = matrix.spin("Term1Spin");
    matrix.type(term, "99");
    QTest::keyClick(term, Qt::Key_Return);
    EXPECT_EQ(matrix.row(2)[0], QStringLiteral(" Loan #1 = 99 years:"));
    EXPECT_EQ(matrix.row(3)[1], QStringLiteral(" $666.92"));
    EXPECT_EQ(matrix.row(5)[0], QStringLiteral(" Loan #2 = 15 years:"));
    matrix.field("StartLoanEdit")->setFocus();
    EXPECT_EQ(term->text(), QStringLiteral("50"));
    EXPECT_EQ(term->value(), 50);

    // A term of 0 or below stops the fill at that term's first payment, in the error box.
    for (const char* typed : { "0", "-3" }) {
        SCOPED_TRACE(typed);
        recordedDialogs().reset();
        matrix.type(term, typed);
        QTest::keyClick(term, Qt::Key_Return);
        ASSERT_EQ(recordedDialogs().shown.size(), 1u);
        EXPECT_EQ(recordedDialogs().shown[0].text, QStringLiteral("Floating point division by zero."));
        EXPECT_EQ(matrix.row(2)[0], QStringLiteral(" Loan #1 = %1 years:").arg(text(typed)));
        EXPECT_EQ(matrix.row(3), texts({ "    Interest Rate = 8%", "", "", "", "" }));
        matrix.field("StartLoanEdit")->setFocus();
        EXPECT_EQ(term->text(), QStringLiteral("1"));
    }

    // Back to one term: the second block goes, since every fill clears the grid; a second press changes nothing.
    matrix.spin("Term1Spin")->setValue(15);
    matrix.spin("Term2Spin")->setValue(15);
    matrix.calculate();
    const app::GridTexts once = app::gridTexts(matrix.grid());
    matrix.calculate();
    EXPECT_EQ(app::gridTexts(matrix.grid()), once);
    EXPECT_EQ(matrix.row(5), QStringList(5, QString()));
}

TEST_F(MatrixWindowTest, CommaDecimalSettingsReadTheRateStepBack)
{
    const ScopedRegionalSettings comma(euroSettings());
    const auto window = open("150000", "30", "7");
    const MatrixControls matrix { window.get() };
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(matrix.field("RateIncrementEdit")->text(), QStringLiteral(",250"));
    matrix.rateStep()->setValue(9);
    matrix.field("StartRateEdit")->setText(QStringLiteral("6,5"));
    matrix.calculate();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(matrix.row(4),
        texts({ "    Interest Rate = 7,625%", " 1.061,69 €", " 1.167,86 €", " 1.274,03 €", " 1.380,20 €" }));
}

} // namespace
