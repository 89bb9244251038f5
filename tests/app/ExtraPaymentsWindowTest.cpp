// The extra payments planner driven through its real widgets: opened from the main window's Tools menu,
// typed into, calculated, warned, copied, saved, printed to a PDF that is read back, and charted.
#include "extrapayments/ExtraPaymentsWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "RegionalPresets.h"
#include "ScopedRegionalSettings.h"
#include "ShownPage.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/StringGrid.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <initializer_list>
#include <optional>
#include <string>

using app::ExtraPaymentsWindow;
using app::MainWindow;

namespace {

const QString rateMessage = QStringLiteral("The interest rate must be between 0 and 30 percent, with at most 4 "
                                           "decimals after a \".\" and without a percent sign.");

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
    EXPECT_EQ(app::gridTexts(*grid()).front(),
        texts({ "No.", "Date", "Payment", "Extra", "Interest", "Principal", "Balance" }));

    typeOver("YearlyExtraEdit", "5000");
    control<QComboBox>("YearlyMonthCombo")->setCurrentIndex(3);
    control<QDateEdit>("FirstPaymentEdit")->setDate(QDate(2027, 4, 15));
    QTest::keyClick(field("YearlyExtraEdit"), Qt::Key_Return);

    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(summary().first(), QStringLiteral("Regular monthly payment: $1,330.60"));
    EXPECT_TRUE(summary().contains(QStringLiteral("Time saved: 14 years 6 months")));
    ASSERT_EQ(grid()->rowCount(), 186);
    EXPECT_EQ(gridRow(0), texts({ "1", "4/15/2027", "$1,330.60", "$5,000.00", "$1,166.67", "$163.93", "$194,836.07" }));
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

// A wider window spreads the schedule's columns in their designed proportions; a narrow one keeps their widths.
TEST_F(ExtraPaymentsWindowTest, TheScheduleColumnsShareTheWidth)
{
    typeOver("MonthlyExtraEdit", "100");
    press("CalculateButton");
    const int designed[] = { 44, 84, 100, 92, 92, 100, 110 };
    for (const int windowWidth : { 1, 1000, 1400, 1900 }) {
        SCOPED_TRACE(windowWidth);
        page.resize(windowWidth, page.height());
        QCoreApplication::processEvents();
        const int room = grid()->viewport()->width();
        int total = 0;
        for (int column = 0; column < 7; ++column) {
            const int width = grid()->columnWidth(column);
            total += width;
            if (room <= 622)
                EXPECT_EQ(width, designed[column]) << column;
            else
                EXPECT_NEAR(width * 622.0 / room, designed[column], 1.0) << column;
        }
        EXPECT_EQ(total, std::max(room, 622));
    }
}

// Each caption has a letter of its own that Alt takes to its field; the buttons' letters are not taken.
TEST_F(ExtraPaymentsWindowTest, EveryCaptionHasAKeyboardLetterOfItsOwn)
{
    QList<QKeySequence> letters;
    for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
        if (!button->shortcut().isEmpty())
            letters.append(button->shortcut());
    for (QLabel* label : page.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QKeySequence letter = QKeySequence::mnemonic(label->text());
        ASSERT_FALSE(letter.isEmpty());
        EXPECT_FALSE(letters.contains(letter));
        letters.append(letter);
        ASSERT_NE(label->buddy(), nullptr);
        field("RateEdit")->setFocus();
        QTest::keySequence(&page, letter);
        EXPECT_EQ(QApplication::focusWidget(), label->buddy());
    }
    EXPECT_EQ(letters.size(), 17);
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
                       "at most 2 decimals after a \".\", entered without $ or thousands separators."));
    EXPECT_EQ(oneTime()->currentRow(), 0);
    EXPECT_EQ(oneTime()->currentColumn(), 1);
    EXPECT_TRUE(oneTime()->isAncestorOf(QApplication::focusWidget()));
}

// The controls that are no text fields are where their warnings take the user: a one-time payment number's cell
// opens for typing, and the calendar offers only the years a plan may start in.
TEST_F(ExtraPaymentsWindowTest, WarningsAtTableCellsAndTheCalendarsYears)
{
    addOneTime("12", "5");
    addOneTime("0", "5");
    press("CalculateButton");
    expectOnlyBox(RecordingDialogs::Kind::Warning,
        QStringLiteral(
            "The payment number in row 2 of the one-time extra payments must be a whole number from 1 to 360."));
    EXPECT_EQ(oneTime()->currentRow(), 1);
    EXPECT_EQ(oneTime()->currentColumn(), 0);
    EXPECT_TRUE(oneTime()->isAncestorOf(QApplication::focusWidget()));

    const auto* date = page.findChild<QDateEdit*>(QStringLiteral("FirstPaymentEdit"));
    EXPECT_EQ(date->minimumDate(), QDate(1900, 1, 1));
    EXPECT_EQ(date->maximumDate(), QDate(2199, 12, 31));
}

// Only a plan just calculated is ever on screen: a refused Calculate takes the previous one away, so that
// Print, Save and Chart cannot show a plan of other inputs.
TEST_F(ExtraPaymentsWindowTest, ARefusedCalculateClearsThePlanOnScreen)
{
    const struct
    {
        const char* name;
        const char* rate;
        const char* oneTimeNumber; // nullptr: no one-time row
        const char* oneTimeAmount;
        QString message;
    } cases[] = {
        { "Rate", "x", nullptr, nullptr, rateMessage },
        { "OneTimeNumberWithoutAmount", "7", "12", "",
            QStringLiteral("The amount in row 1 of the one-time extra payments must be 0 or more, at most 1000000000 "
                           "with at most 2 decimals after a \".\", entered without $ or thousands separators.") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        field("RateEdit")->setText(QStringLiteral("7"));
        while (oneTime()->rowCount() > 0)
            oneTime()->removeRow(0);
        // The headings stay through a refused Calculate and hold over the next plan.
        const auto headings = [this] {
            QStringList shown;
            for (int column = 0; column < grid()->columnCount(); ++column)
                shown.append(app::gridText(*grid(), column, 0));
            return shown;
        };
        const QStringList titles = headings();
        ASSERT_EQ(titles.first(), QStringLiteral("No."));
        press("CalculateButton");
        ASSERT_EQ(grid()->rowCount(), 360);
        ASSERT_TRUE(control<QPushButton>("PrintButton")->isEnabled());
        EXPECT_EQ(headings(), titles);

        recordedDialogs().reset();
        field("RateEdit")->setText(QString::fromUtf8(c.rate));
        if (c.oneTimeNumber)
            addOneTime(c.oneTimeNumber, c.oneTimeAmount);
        press("CalculateButton");
        expectOnlyBox(RecordingDialogs::Kind::Warning, c.message);
        EXPECT_EQ(control<QPlainTextEdit>("SummaryText")->toPlainText(), QString());
        EXPECT_EQ(grid()->rowCount(), 0);
        EXPECT_EQ(headings(), titles);
        for (const char* button : { "PrintButton", "SaveCsvButton", "ChartButton" })
            EXPECT_FALSE(control<QPushButton>(button)->isEnabled()) << button;
    }
}

TEST_F(ExtraPaymentsWindowTest, ANewPlanStartsWithNoSelection)
{
    press("CalculateButton");
    grid()->setFocus();
    grid()->setRangeSelected(QTableWidgetSelectionRange(10, 0, 20, 6), true);
    typeOver("MonthlyExtraEdit", "100");
    press("CalculateButton");
    EXPECT_TRUE(grid()->selectedRanges().isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("before"));
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
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
    auto german = euroSettings();
    german.dateNames.months[0] = "Januar";
    const ScopedRegionalSettings euro(german);
    ExtraPaymentsWindow planner;
    planner.startWith(std::nullopt, QDate(2026, 12, 9));
    EXPECT_EQ(find<QDateEdit>(planner, "FirstPaymentEdit")->displayFormat().toStdString(), "dd.MM.yyyy");
    // Month names stay English, whatever the locale calls them.
    EXPECT_EQ(find<QComboBox>(planner, "YearlyMonthCombo")->itemText(0), QStringLiteral("January"));
    find<QLineEdit>(planner, "RateEdit")->setText(QStringLiteral("7,5"));
    find<QLineEdit>(planner, "AmountEdit")->setText(QStringLiteral("200000,50"));
    find<QPushButton>(planner, "CalculateButton")->click();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(find<QTableWidget>(planner, "PlanGrid")->item(0, 2)->text(), QStringLiteral("1.398,43 €"));
    EXPECT_EQ(find<QTableWidget>(planner, "PlanGrid")->item(0, 1)->text(), QStringLiteral("01.01.2027"));

    // Where the decimal separator is a comma, fields are separated by semicolons.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    recordedDialogs().saveFileAnswer = folder.filePath(QStringLiteral("plan.csv"));
    find<QPushButton>(planner, "SaveCsvButton")->click();
    QFile csv(recordedDialogs().saveFileAnswer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> records = csv.readAll().split('\n');
    ASSERT_GT(records.size(), 13);
    EXPECT_EQ(records[0], QByteArrayLiteral("Interest rate (%);7,5\r"));
    EXPECT_EQ(records[3], QByteArrayLiteral("First payment;01.01.2027\r"));
    EXPECT_EQ(records[13],
        QByteArrayLiteral(
            "1;01.01.2027;1.398,43 \u20ac;0,00 \u20ac;1.250,00 \u20ac;148,43 \u20ac;199.852,07 \u20ac\r"));
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
    // The CSV is of the fields as they were typed for the plan, not as they were typed since.
    typeOver("RateEdit", "8");
    press("SaveCsvButton");
    QFile csv(recordedDialogs().saveFileAnswer);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(recordedDialogs().suggestedSaveName, QStringLiteral("Corvanta Extra Payments Planner.csv"));
    const QList<QByteArray> records = csv.readAll().split('\n');
    const QList<QByteArray> inputs = { "Interest rate (%),7\r", "Years,30\r", "Loan amount,200000\r",
        "First payment,1/1/2027\r", "Extra each month,100\r", "From payment,1\r", "Through payment,\r",
        "Extra each year,0\r", "Paid in,January\r", "From year,\r", "One-time extra payment no.,60\r",
        "One-time extra amount,10000\r", "Pay half the payment every two weeks,yes\r", "\r",
        "No.,Date,Payment,Extra,Interest,Principal,Balance\r" };
    EXPECT_EQ(records.mid(0, inputs.size()), inputs);
    EXPECT_EQ(records.size(), inputs.size() + rows + 1); // every row, and nothing after the last CR LF

    const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
    recordedDialogs().confirmPrinter = true;
    recordedDialogs().preparePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    press("PrintButton");
    const std::optional<PdfText> printed = readPdfText(pdf);
    ASSERT_TRUE(printed.has_value());
    // 42 rows on the first page under the loan, its extras and the summary, 57 on each later page.
    const int pages = rows <= 42 ? 1 : 1 + (rows - 42 + 56) / 57;
    EXPECT_EQ(printed->pageCount, pages);
    // The rightmost word of that text on the page.
    const auto at = [&printed](int page, const QString& text) -> std::optional<PdfWord> {
        std::optional<PdfWord> found;
        for (const PdfWord& word : printed->words)
            if (word.page == page && word.text == text && (!found || word.xMax > found->xMax))
                found = word;
        return found;
    };
    // The first page says what the plan is of: the loan, then each kind of extra chosen.
    for (const char* word : { "Regular", "$200,000.00", "7%", "1/1/2027", "month:", "$100.00", "$10,000.00", "weeks:" })
        EXPECT_TRUE(at(1, QString::fromUtf8(word))) << word;
    EXPECT_TRUE(at(pages, QString::number(pages)));
    // Amounts end on one line whatever their width, their heading with them.
    const auto lastBalance = at(pages, grid()->item(rows - 1, 6)->text());
    const auto balanceBefore = at(pages, grid()->item(rows - 2, 6)->text());
    const auto heading = at(pages, QStringLiteral("Balance"));
    ASSERT_TRUE(lastBalance && balanceBefore && heading);
    EXPECT_GT(balanceBefore->xMax - balanceBefore->xMin, lastBalance->xMax - lastBalance->xMin + 5);
    EXPECT_NEAR(balanceBefore->xMax, lastBalance->xMax, 0.5);
    EXPECT_NEAR(heading->xMax, lastBalance->xMax, 0.5);

    QStringList series;
    whenModalShows([&series](QWidget* chart) {
        for (const auto* shown : find<QChartView>(*chart, "BalanceChart")->chart()->series())
            series.append(shown->name());
        chart->close();
    });
    press("ChartButton");
    EXPECT_TRUE(series.contains(QStringLiteral("Balance")));
    EXPECT_TRUE(series.contains(QStringLiteral("With the extra payments")));
}

TEST(ExtraPaymentsMenu, CtrlEOpensOnePlannerOnTheLoanPagesLoan)
{
    recordedDialogs().reset();
    app::ReturningUserStore store;
    MainWindow window(store);
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
        // The planner's own rules decide, not the loan page's: a rate below 1 and a loan of 1 are plans.
        { "0.5", "15", "1", texts({ "0.5", "15", "1" }) },
        { "30.5", "15", "150000", texts({ "7", "30", "200000" }) },
        { "6.5", "51", "150000", texts({ "7", "30", "200000" }) },
        { "6.5", "15", "150000.125", texts({ "7", "30", "200000" }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate + std::string(" ") + c.amount);
        find<QLineEdit>(window, "RateEdit")->setText(QString::fromUtf8(c.rate));
        find<QLineEdit>(window, "YearsEdit")->setText(QString::fromUtf8(c.years));
        find<QLineEdit>(window, "AmountEdit")->setText(QString::fromUtf8(c.amount));
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
    EXPECT_EQ(find<QLineEdit>(window, "RateEdit")->text(), QStringLiteral("6.5"));
}

} // namespace
