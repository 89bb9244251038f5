// The extra payments planner driven through its real widgets: opened from the main window's Tools menu,
// typed into, calculated, warned, copied, saved, printed to a PDF that is read back, and charted.
#include "windows/ExtraPaymentsWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "RegionalPresets.h"
#include "ScopedRegionalSettings.h"
#include "ShownPage.h"
#include "shell/FirstRunStore.h"
#include "windows/MainWindow.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

const QString rateMessage = QStringLiteral(
    "The interest rate must be between 0 and 30 percent, with at most 4 decimals and without a percent sign.");

QStringList texts(std::initializer_list<const char*> cells)
{
    QStringList list;
    for (const char* cell : cells)
        list.append(QString::fromUtf8(cell));
    return list;
}

class ExtraPaymentsWindowTest : public ShownPage<ExtraPaymentsWindow>
{
protected:
    void SetUp() override
    {
        page.startWith(std::nullopt, QDate(2026, 12, 9));
        ShownPage::SetUp();
    }

    QTableWidget* grid() { return control<QTableWidget>("PlanGrid"); }
    QTableWidget* oneTime() { return control<QTableWidget>("OneTimeTable"); }
    QStringList summary() { return control<QPlainTextEdit>("SummaryText")->toPlainText().split(u'\n'); }
    QStringList gridRow(int row)
    {
        QStringList cells;
        for (int column = 0; column < grid()->columnCount(); ++column)
            cells.append(grid()->item(row, column)->text());
        return cells;
    }
    void addOneTime(const char* payment, const char* amount)
    {
        QTest::keyClick(oneTime(), Qt::Key_Insert);
        const int row = oneTime()->rowCount() - 1;
        oneTime()->item(row, 0)->setText(QString::fromUtf8(payment));
        oneTime()->item(row, 1)->setText(QString::fromUtf8(amount));
    }
};

TEST_F(ExtraPaymentsWindowTest, OpensOnTheDefaultLoanAndCalculatesWithEnter)
{
    EXPECT_EQ(field("RateEdit")->text(), QStringLiteral("7"));
    EXPECT_EQ(field("RateEdit")->selectedText(), QStringLiteral("7"));
    EXPECT_EQ(control<QDateEdit>("FirstPaymentEdit")->date(), QDate(2027, 1, 1));
    EXPECT_EQ(control<QDateEdit>("FirstPaymentEdit")->displayFormat().toStdString(), "M/d/yyyy");
    EXPECT_FALSE(control<QPushButton>("PrintButton")->isEnabled());

    typeOver("YearlyExtraEdit", "5000");
    control<QComboBox>("YearlyMonthCombo")->setCurrentIndex(3);
    control<QDateEdit>("FirstPaymentEdit")->setDate(QDate(2027, 4, 15));
    QTest::keyClick(field("YearlyExtraEdit"), Qt::Key_Return);

    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(summary().first(), QStringLiteral("Regular monthly payment: $1,330.60"));
    EXPECT_EQ(summary().last(), QStringLiteral("Time saved: 14 years 6 months"));
    ASSERT_EQ(grid()->rowCount(), 186);
    EXPECT_EQ(gridRow(0), texts({ "1", "4/15/27", "$1,330.60", "$5,000.00", "$1,166.67", "$163.93", "$194,836.07" }));
    EXPECT_EQ(grid()->item(185, 6)->text(), QStringLiteral("$0.00"));
    EXPECT_TRUE(control<QPushButton>("PrintButton")->isEnabled());

    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_FALSE(page.isVisible());
}

// The window cannot be made smaller than its layout needs, so no field is ever squashed or cut.
TEST_F(ExtraPaymentsWindowTest, ShrunkAsFarAsItGoesEveryControlKeepsItsSize)
{
    page.resize(1, 1);
    QCoreApplication::processEvents();
    const QSize needed = page.layout()->minimumSize();
    EXPECT_GE(page.width(), needed.width());
    EXPECT_GE(page.height(), needed.height());
}

TEST_F(ExtraPaymentsWindowTest, BadInputWarnsAtItsFieldAndShowsNothing)
{
    const struct
    {
        const char* field;
        const char* text;
        QString message;
    } cases[] = {
        { "RateEdit", "7.12345", rateMessage },
        { "YearsEdit", "51", QStringLiteral("The number of years must be a whole number between 1 and 50.") },
        { "MonthlyThroughEdit", "0",
            QStringLiteral(
                "The last payment with the monthly extra must be empty (to the end) or a whole number from 1 "
                "to 360.") },
        { "YearlyFromYearEdit", "2100",
            QStringLiteral("The first year of the yearly extra payment must be a whole number from 2027 to 2056.") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const QString good = field(c.field)->text();
        recordedDialogs().reset();
        typeOver(c.field, c.text);
        press("CalculateButton");
        expectWarningAt(field(c.field), c.message);
        EXPECT_EQ(grid()->rowCount(), 0);
        field(c.field)->setText(good);
    }

    // A one-time row that fails opens its cell for retyping.
    recordedDialogs().reset();
    addOneTime("12", "1.005");
    addOneTime("361", "5");
    press("CalculateButton");
    expectOnlyBox(RecordingDialogs::Kind::Warning,
        QStringLiteral("The amount in row 1 of the one-time extra payments must be 0 or more, at most 1000000000 with "
                       "at most 2 decimals, entered without $ or thousands separators."));
    EXPECT_EQ(oneTime()->currentRow(), 0);
    EXPECT_EQ(oneTime()->currentColumn(), 1);
    EXPECT_TRUE(oneTime()->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(ExtraPaymentsWindowTest, OneTimeRowsComeAndGoWithTheirKeysAndButtons)
{
    for (int i = 0; i < 60; ++i)
        press("AddRowButton");
    EXPECT_EQ(oneTime()->rowCount(), 60);
    press("AddRowButton");
    EXPECT_EQ(oneTime()->rowCount(), 60);
    expectOnlyBox(RecordingDialogs::Kind::Warning, QStringLiteral("There can be at most 60 one-time extra payments."));
    oneTime()->setFocus();
    oneTime()->setCurrentCell(59, 0);
    QTest::keyClick(oneTime(), Qt::Key_Delete);
    press("RemoveRowButton");
    EXPECT_EQ(oneTime()->rowCount(), 58);
}

TEST_F(ExtraPaymentsWindowTest, RegionalFormatsReadAndShowTheFigures)
{
    const ScopedRegionalSettings euro(euroSettings());
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    EXPECT_EQ(find<QDateEdit>(planner, "FirstPaymentEdit")->displayFormat().toStdString(), "dd.MM.yyyy");
    find<QLineEdit>(planner, "RateEdit")->setText(QStringLiteral("7,5"));
    find<QLineEdit>(planner, "AmountEdit")->setText(QStringLiteral("200000,50"));
    find<QPushButton>(planner, "CalculateButton")->click();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(find<QTableWidget>(planner, "PlanGrid")->item(0, 2)->text(), QStringLiteral("1.398,43 €"));
    EXPECT_EQ(find<QTableWidget>(planner, "PlanGrid")->item(0, 1)->text(), QStringLiteral("01.01.2027"));
}

TEST_F(ExtraPaymentsWindowTest, TheScheduleCopiesSavesPrintsAndCharts)
{
    typeOver("MonthlyExtraEdit", "100");
    addOneTime("60", "10000");
    control<QCheckBox>("EveryTwoWeeksCheck")->setChecked(true);
    press("CalculateButton");
    const int rows = grid()->rowCount();
    ASSERT_GT(rows, 60);

    grid()->setFocus();
    grid()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 6), true);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), gridRow(0).join(u'\t').toStdString());

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    recordedDialogs().saveFileAnswer = folder.filePath(QStringLiteral("plan.csv"));
    press("SaveCsvButton");
    QFile csv(recordedDialogs().saveFileAnswer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> records = csv.readAll().split('\n');
    EXPECT_EQ(records.first(), QByteArrayLiteral("No.,Date,Payment,Extra,Interest,Principal,Balance\r"));
    EXPECT_EQ(records.size(), rows + 2); // the heading, every row, and nothing after the last CR LF

    const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
    recordedDialogs().confirmPrinter = true;
    recordedDialogs().preparePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    press("PrintButton");
    const std::optional<PdfText> printed = readPdfText(pdf);
    ASSERT_TRUE(printed.has_value());
    // 48 rows on the first page under the summary, 57 on each later page.
    const int pages = rows <= 48 ? 1 : 1 + (rows - 48 + 56) / 57;
    EXPECT_EQ(printed->pageCount, pages);
    const auto on = [&printed](int page, const QString& text) {
        return std::ranges::any_of(
            printed->words, [&](const PdfWord& word) { return word.page == page && word.text == text; });
    };
    EXPECT_TRUE(on(1, QStringLiteral("Regular")));
    EXPECT_TRUE(on(pages, QStringLiteral("Balance")));
    EXPECT_TRUE(on(pages, QString::number(pages)));
    EXPECT_TRUE(on(pages, grid()->item(rows - 1, 6)->text()));

    QStringList series;
    whenModalShows([&series](QWidget* chart) {
        for (const auto* shown : find<QChartView>(*chart, "ChartBalance")->chart()->series())
            series.append(shown->name());
        chart->close();
    });
    press("ChartButton");
    EXPECT_TRUE(series.contains(QStringLiteral("Balance")));
    EXPECT_TRUE(series.contains(QStringLiteral("With the extra payments")));
}

TEST(ExtraPaymentsPlannerMenu, CtrlEOpensOnePlannerOnTheLoanPagesLoan)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    TForm1 window(store);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct
    {
        const char* rate;
        const char* years;
        const char* amount;
        QStringList expected;
    } cases[] = {
        { "6.5", "15", "150000", texts({ "6.5", "15", "150000" }) },
        { "0.5", "15", "150000", texts({ "7", "30", "200000" }) }, // below the loan page's lowest rate
        { "6.5", "15", "1", texts({ "7", "30", "200000" }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate + std::string(" ") + c.amount);
        find<QLineEdit>(window, "Edit9")->setText(QString::fromUtf8(c.rate));
        find<QLineEdit>(window, "Edit10")->setText(QString::fromUtf8(c.years));
        find<QLineEdit>(window, "Edit11")->setText(QString::fromUtf8(c.amount));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        const auto planners = window.findChildren<ExtraPaymentsWindow*>();
        ASSERT_EQ(planners.size(), 1);
        ExtraPaymentsWindow& planner = *planners.first();
        EXPECT_TRUE(planner.isVisible());
        QStringList shown;
        for (const char* name : { "RateEdit", "YearsEdit", "AmountEdit" })
            shown.append(find<QLineEdit>(planner, name)->text());
        EXPECT_EQ(shown, c.expected);
        planner.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.findChildren<ExtraPaymentsWindow*>().isEmpty());
    }
    EXPECT_EQ(find<QLineEdit>(window, "Edit9")->text(), QStringLiteral("6.5"));
}

} // namespace
