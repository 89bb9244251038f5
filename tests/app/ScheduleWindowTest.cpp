// The Schedule button and the schedule window, driven from the loan page through their real widgets.
#include "loan/ScheduleWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "ShownPage.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "loan/LoanPage.h"
#include "widgets/GridCopy.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

using app::LoanPage;
using app::ScheduleWindow;

namespace {

struct ScheduleCase
{
    const char* name;
    const char* rate;
    const char* years;
    const char* amount;
    const char* typedYears; // typed after Calculate without a click, or nullptr
    int months;
    std::vector<std::vector<const char*>> rows; // grid rows, the month number first
    bool closeWithEsc;
};

void PrintTo(const ScheduleCase& c, std::ostream* out)
{
    *out << c.name;
}

class ScheduleWindowTest : public ShownPage<LoanPage>, public ::testing::WithParamInterface<ScheduleCase>
{
protected:
    void TearDown() override { EXPECT_EQ(liveTopLevelCount("app::ScheduleWindow"), 0); }

    void calculate(const char* rate, const char* years, const char* amount)
    {
        field("RateEdit")->setText(QString::fromLatin1(rate));
        field("YearsEdit")->setText(QString::fromLatin1(years));
        field("AmountEdit")->setText(QString::fromLatin1(amount));
        control<QPushButton>("CalculateButton")->click();
        ASSERT_TRUE(control("ScheduleButton")->isEnabled());
    }
};

// Reference rows from the month-by-month recurrence in 50-digit decimal arithmetic.
TEST_P(ScheduleWindowTest, FillsAFreshModalWindowThatClosingFrees)
{
    const ScheduleCase& c = GetParam();
    calculate(c.rate, c.years, c.amount);
    if (c.typedYears)
        field("YearsEdit")->setText(QString::fromLatin1(c.typedYears));

    bool looked = false;
    whenModalShows([&](QWidget* modal) {
        looked = true;
        EXPECT_TRUE(modal->inherits("app::ScheduleWindow"));
        EXPECT_EQ(modal->parentWidget(), nullptr);
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Amortization Schedule"));
        EXPECT_EQ(modal->size(), QSize(389, 358));
        EXPECT_TRUE(modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(liveTopLevelCount("app::ScheduleWindow"), 1);

        auto* grid = find<QTableWidget>(*modal, "ScheduleGrid");
        EXPECT_EQ(app::gridRowCount(*grid), c.months + 1);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(app::gridTexts(*grid)[0],
            (QStringList { QStringLiteral("Month"), QStringLiteral("Interest"), QStringLiteral("Principle"),
                QStringLiteral("Balance") }));
        for (const auto& row : c.rows) {
            QStringList expected;
            for (const char* text : row)
                expected.append(QString::fromUtf8(text));
            EXPECT_EQ(app::gridTexts(*grid)[expected[0].toUInt()], expected);
        }
        // The last column gives up what the vertical scroll bar needs, so the grid never scrolls sideways:
        // whatever cell is chosen, or Ctrl+End, the Month column stays whole.
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(grid->columnWidth(column), 95);
        QTableWidget* table = grid;
        for (int column = 0; column < 4; ++column)
            for (const int row : { 0, c.months - 1 }) {
                table->setCurrentCell(row, column);
                QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
                EXPECT_EQ(table->horizontalScrollBar()->value(), 0) << column << ' ' << row;
                EXPECT_EQ(table->columnViewportPosition(0), 0) << column << ' ' << row;
            }
        EXPECT_LE(table->columnViewportPosition(3) + table->columnWidth(3), table->viewport()->width());

        if (c.closeWithEsc)
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            QTest::mouseClick(find<QPushButton>(*modal, "CloseButton"), Qt::LeftButton);
    });
    press("ScheduleButton");
    EXPECT_TRUE(looked);
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Loans, ScheduleWindowTest,
    ::testing::Values(
        ScheduleCase { "Worked_example", "7", "15", "100000", nullptr, 180,
            { { "1", "$583.33", "$315.49", "$99,684.51" }, { "180", "$5.21", "$893.62", "$0.00" } }, false },
        ScheduleCase {
            "One_year", "12.75", "1", "19999.99", nullptr, 12, { { "12", "$18.76", "$1,765.24", "$0.00" } }, true },
        // A term typed over after Calculate is used as it stands, past the page's 50 years too.
        ScheduleCase { "Sixty_years_typed", "1", "30", "1000000", "60", 720,
            { { "360", "$479.82", "$1,367.72", "$574,411.98" }, { "720", "$1.54", "$1,846.00", "$0.00" } }, false }),
    [](const auto& info) { return std::string(info.param.name); });

struct FailingCase
{
    const char* years;
    const char* amount;
    const char* message;
};

TEST_F(ScheduleWindowTest, UnreadableOrEmptyTermsEndInTheErrorBoxWithoutAWindow)
{
    const FailingCase cases[] = {
        { "abc", "100000", "'abc' is not a valid integer value." },
        { "0", "100000", "Floating point division by zero." },
        { "-1", "100000", "An amortization schedule needs a term of at least one month." },
        { "15", "100,000", "'100,000' is not a valid floating point value." },
    };
    calculate("7", "15", "100000");
    for (const FailingCase& c : cases) {
        SCOPED_TRACE(c.years);
        recordedDialogs().reset();
        field("YearsEdit")->setText(QString::fromLatin1(c.years));
        field("AmountEdit")->setText(QString::fromLatin1(c.amount));
        press("ScheduleButton");
        expectOnlyBox(RecordingDialogs::Kind::Error, QString::fromLatin1(c.message));
        EXPECT_EQ(liveTopLevelCount("app::ScheduleWindow"), 0);
    }
}

TEST(GridCopyTest, CopiesTheSelectionAsTabSeparatedLines)
{
    ScheduleWindow window;
    window.showSchedule(calculators::amortizationSchedule(7, 12, 100000));
    auto* grid = find<QTableWidget>(window, "ScheduleGrid");
    auto* menu = find<QMenu>(*grid, "GridMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Copy"));
    EXPECT_EQ(grid->contextMenuPolicy(), Qt::CustomContextMenu);

    // Months 1 and 2, interest and principal; then the whole month and interest columns with their headings.
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 1, 1, 2), true);
    EXPECT_EQ(app::selectionText(*grid), QStringLiteral("$583.33\t$8,069.34\n$536.26\t$8,116.41"));
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(0, 0, 11, 1), true);
    const QStringList lines = app::selectionText(*grid).split(u'\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], QStringLiteral("Month\tInterest"));
    EXPECT_EQ(lines[12], QStringLiteral("12\t$50.18"));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join(u'\n'));
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(2, 3, 2, 3), true);
    menu->actions()[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("$75,650.49"));
    // The residue after the last month may fall either side of zero; it reads $0.00 all the same.
    EXPECT_EQ(app::gridText(*grid, 3, 12), QStringLiteral("$0.00"));
}

} // namespace
