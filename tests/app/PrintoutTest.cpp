// The schedule and matrix print-outs: their layouts in device units, and real print-outs read back
// from PDF files with pdftotext -bbox.
#include "Controls.h"
#include "LoanOpening.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "calculators/loan/LoanMatrix.h"
#include "loan/MatrixWindow.h"
#include "loan/ScheduleWindow.h"
#include "printing/PrintLayouts.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using app::MatrixWindow;
using app::ScheduleWindow;

namespace {

using app::DevicePage;
using app::DeviceText;

// A grid whose cells name themselves: "r5c2" for grid row 5, column 2.
app::GridTexts namedGrid(int rows, int columns)
{
    app::GridTexts grid;
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(QStringLiteral("r%1c%2").arg(row).arg(column));
        grid.push_back(cells);
    }
    return grid;
}

DevicePage scheduleRowAt(int row, int y)
{
    DevicePage texts;
    const int xs[] = { 100, 450, 900, 1350 };
    for (int column = 0; column < 4; ++column)
        texts.push_back({ xs[column], y, QStringLiteral("r%1c%2").arg(row).arg(column) });
    return texts;
}

const DevicePage laterHeadings { { 100, 50, QStringLiteral("Month") }, { 450, 50, QStringLiteral("Interest") },
    { 900, 50, QStringLiteral("Principal") }, { 1350, 50, QStringLiteral("Balance") } };

struct PagingCase
{
    int months;
    std::size_t pages;
    int lastPageFirstMonth;
};

void PrintTo(const PagingCase& c, std::ostream* out)
{
    *out << c.months << " months";
}

class SchedulePaging : public ::testing::TestWithParam<PagingCase>
{ };

TEST_P(SchedulePaging, SixtyMonthsToAPageAndEveryMonthPrinted)
{
    const PagingCase& c = GetParam();
    const auto pages = app::schedulePages(namedGrid(c.months + 1, 4), c.months);
    ASSERT_EQ(pages.size(), c.pages);

    // Page 1: the grid's own title row at the top, a month every 50 units.
    const int firstPageMonths = std::min(c.months, 60);
    ASSERT_EQ(pages[0].size(), static_cast<std::size_t>(4 * (firstPageMonths + 1)));
    EXPECT_EQ(DevicePage(pages[0].begin(), pages[0].begin() + 4), scheduleRowAt(0, 0));
    EXPECT_EQ(DevicePage(pages[0].end() - 4, pages[0].end()), scheduleRowAt(firstPageMonths, 50 * firstPageMonths));

    // Later pages: printed headings one line down, then their months from y = 100.
    for (std::size_t page = 1; page < pages.size(); ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(DevicePage(pages[page].begin(), pages[page].begin() + 4), laterHeadings);
        const int first = 60 * static_cast<int>(page) + 1;
        EXPECT_EQ(DevicePage(pages[page].begin() + 4, pages[page].begin() + 8), scheduleRowAt(first, 100));
    }
    const DevicePage& last = pages.back();
    if (pages.size() > 1) {
        EXPECT_EQ(DevicePage(last.begin() + 4, last.begin() + 8), scheduleRowAt(c.lastPageFirstMonth, 100));
        EXPECT_EQ(DevicePage(last.end() - 4, last.end()),
            scheduleRowAt(c.months, 50 * (c.months - c.lastPageFirstMonth + 2)));
    }
}

INSTANTIATE_TEST_SUITE_P(Terms, SchedulePaging,
    ::testing::Values(PagingCase { 12, 1, 1 }, PagingCase { 60, 1, 1 }, PagingCase { 72, 2, 61 },
        PagingCase { 600, 10, 541 }, PagingCase { 720, 12, 661 }),
    [](const auto& info) { return std::to_string(info.param.months) + "_months"; });

TEST(SchedulePrintLayout, PrintsOnlyMonthsTheGridHolds)
{
    EXPECT_EQ(app::schedulePages(namedGrid(13, 4), 600).size(), 1u);
    EXPECT_EQ(app::schedulePages(namedGrid(13, 4), 600)[0].size(), 13u * 4u);
    EXPECT_EQ(app::schedulePages(namedGrid(13, 4), -5)[0], scheduleRowAt(0, 0));
    EXPECT_TRUE(app::schedulePages({}, 12).empty());
}

TEST(MatrixPrintLayout, CellsOnTheirLinesEmptyOnesLeftOutAndTheFooter)
{
    app::GridTexts grid = namedGrid(11, 5);
    grid[0][0].clear();
    grid[10] = QStringList(5, QString());
    grid[3][2] = QStringLiteral(" $1,097.75");
    const DevicePage page = app::matrixPage(grid);

    ASSERT_EQ(page.size(), 4u + 9u * 5u + 1u);
    EXPECT_EQ(page[0], (DeviceText { 600, 100, QStringLiteral("r0c1") }));
    EXPECT_EQ(page[4], (DeviceText { 100, 150, QStringLiteral("r1c0") }));
    EXPECT_EQ(page[4 + 2 * 5 + 2], (DeviceText { 1000, 250, QStringLiteral(" $1,097.75") }));
    EXPECT_EQ(page[4 + 8 * 5 + 4], (DeviceText { 1800, 550, QStringLiteral("r9c4") }));
    EXPECT_EQ(page.back(),
        (DeviceText { 575, 1000, QStringLiteral("This report printed with Brellin Corvanta:  www.brellin.com") }));
}

// The matrix's grid texts as the calculator fills them for the entries.
app::GridTexts matrixGrid(const calculators::MatrixEntries& entries)
{
    app::GridTexts grid(calculators::matrixRowCount, QStringList(calculators::matrixColumnCount, QString()));
    calculators::fillLoanMatrix(
        entries, regional::RegionalSettings {}, [&grid](int column, int row, const std::string& text) {
            grid[static_cast<std::size_t>(row)][column] = QString::fromStdString(text);
        });
    return grid;
}

// The schedule window's grid texts for a loan.
app::GridTexts scheduleGrid(const calculators::AmortizationSchedule& schedule)
{
    app::GridTexts grid;
    const auto toList = [](const std::array<std::string, 4>& texts) {
        QStringList cells;
        for (const std::string& text : texts)
            cells << QString::fromStdString(text);
        return cells;
    };
    grid.push_back(toList(calculators::scheduleTitles()));
    for (std::size_t month = 0; month < schedule.months.size(); ++month)
        grid.push_back(toList(calculators::scheduleRowTexts(
            static_cast<std::int32_t>(month + 1), schedule.months[month], regional::RegionalSettings {})));
    return grid;
}

struct ColumnFitCase
{
    const char* name;
    std::vector<DevicePage> pages;
};

// On every line of every page, each text ends before the next one begins, at each resolution the print-outs use:
// the font's size is in device units, so a text takes the same room between the columns at all of them.
TEST(DevicePageFont, EveryTextEndsBeforeTheNextColumnAtEveryResolution)
{
    const auto matrix
        = [](const char* startRate, const char* rateIncrement, const char* startLoan, const char* loanIncrement) {
              return std::vector<DevicePage> { app::matrixPage(
                  matrixGrid({ startLoan, loanIncrement, startRate, rateIncrement, 4, 3, 30, 15 })) };
          };
    const ColumnFitCase cases[] = {
        { "rates from 10.1 by .125, as a user printed them", { matrix("10.1", ".125", "100000", "10000") } },
        { "rates of 15 significant digits up to 34, amounts near the 32-bit limit",
            { matrix("29.9999999999999", "2.000", "2000000000", "49000000") } },
        { "a schedule of 99,999,999 at 30 % over 50 years",
            app::schedulePages(scheduleGrid(calculators::amortizationSchedule(30, 600, 99999999)), 600) },
    };
    for (const int resolution : { 300, 450, 600, 1200 }) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(resolution);
        const QFontMetricsF metrics(app::devicePageFont(), &printer);
        for (const ColumnFitCase& fit : cases) {
            SCOPED_TRACE(std::string(fit.name) + " at " + std::to_string(resolution) + " units an inch");
            for (const DevicePage& page : fit.pages)
                for (const DeviceText& text : page)
                    for (const DeviceText& next : page) {
                        if (next.y == text.y && next.x > text.x) {
                            EXPECT_LT(text.x + metrics.horizontalAdvance(text.text), next.x)
                                << text.text.toStdString() << " runs into " << next.text.toStdString();
                        }
                    }
        }
    }
}

// The words of a PDF file, read back with pdftotext.
std::vector<PdfWord> pdfWords(const QString& file)
{
    const std::optional<PdfText> text = readPdfText(file);
    EXPECT_TRUE(text.has_value()) << "cannot read " << file.toStdString() << " with pdftotext";
    return text ? text->words : std::vector<PdfWord> {};
}

class PrintToPdf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        ASSERT_TRUE(folder.isValid());
        recordedDialogs().confirmPrinter = true;
        recordedDialogs().preparePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(paper));
            printableTopLeft = printer.pageLayout().paintRectPoints().topLeft();
        };
    }

    // Where a text placed at (x, y) device units starts on paper (x < 0: anywhere on the line): A4 fits every layout at
    // 300 units an inch. Leading blanks and the glyphs' side bearings move the word a little to the right.
    void expectWordAt(const std::vector<PdfWord>& words, int page, const char* text, int x, int y)
    {
        const double left = printableTopLeft.x() + x * 72.0 / 300;
        const double top = printableTopLeft.y() + y * 72.0 / 300;
        const bool found = std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
            const bool atX = x < 0 || (word.xMin >= left - 0.5 && word.xMin <= left + 5);
            return word.page == page && word.text == QString::fromUtf8(text) && atX && std::abs(word.yMin - top) <= 2;
        });
        EXPECT_TRUE(found) << text << " on page " << page << " at " << x << ", " << y;
    }

    QPageSize::PageSizeId paper = QPageSize::A4;
    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("printout.pdf"));
    QPoint printableTopLeft;
};

TEST_F(PrintToPdf, ScheduleOfSixYearsFillsTwoPages)
{
    ScheduleWindow window;
    window.showSchedule(calculators::amortizationSchedule(7, 72, 100000));
    find<QPushButton>(window, "PrintButton")->click();

    const auto words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.back().page, 2);
    expectWordAt(words, 1, "Month", 100, 0);
    expectWordAt(words, 1, "Principle", 900, 0);
    expectWordAt(words, 1, "$19,703.74", 1350, 3000); // the balance after month 60
    expectWordAt(words, 2, "Principal", 900, 50);
    expectWordAt(words, 2, "61", 100, 100);
    expectWordAt(words, 2, "$0.00", 1350, 650);
}

// A schedule shown later in another window leaves this window's print-out as it was.
TEST_F(PrintToPdf, EachScheduleWindowPrintsItsOwnMonths)
{
    ScheduleWindow sixYears;
    sixYears.showSchedule(calculators::amortizationSchedule(7, 72, 100000));
    ScheduleWindow oneYear;
    oneYear.showSchedule(calculators::amortizationSchedule(7, 12, 100000));
    find<QPushButton>(sixYears, "PrintButton")->click();

    const auto words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.back().page, 2);
    expectWordAt(words, 2, "72", 100, 650);
}

TEST_F(PrintToPdf, MatrixPrintsItsGridAndFooterOnOnePage)
{
    MatrixWindow window(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    find<QSpinBox>(window, "Term2Spin")->setValue(15);
    find<QPushButton>(window, "CalculateButton")->click();
    find<QPushButton>(window, "PrintButton")->click();

    const auto words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.back().page, 1);
    expectWordAt(words, 1, "Loan", 600, 100);
    expectWordAt(words, 1, "$195000", 1800, 150);
    expectWordAt(words, 1, "Loan", 100, 200);
    expectWordAt(words, 1, "$997.95", 600, 250);
    expectWordAt(words, 1, "7.25%", -1, 300);
    expectWordAt(words, 1, "$1,752.72", 1800, 450);
    expectWordAt(words, 1, "This", 575, 1000);
    expectWordAt(words, 1, "www.brellin.com", -1, 1000);
}

TEST_F(PrintToPdf, SmallPaperGetsFinerUnitsSoThatNoLineIsCut)
{
    paper = QPageSize::A6;
    ScheduleWindow window;
    window.showSchedule(calculators::amortizationSchedule(7, 60, 100000));
    find<QPushButton>(window, "PrintButton")->click();

    const auto words = pdfWords(pdf);
    ASSERT_EQ(words.size(), 61u * 4u);
    const QSizeF page = QPageSize(paper).size(QPageSize::Point);
    for (const PdfWord& word : words) {
        EXPECT_LT(word.xMin + 45, page.width()) << word.text.toStdString();
        EXPECT_LT(word.yMin + 10, page.height()) << word.text.toStdString();
    }
    EXPECT_EQ(words.back().text, QStringLiteral("$0.00"));
}

TEST_F(PrintToPdf, ACancelledDialogPrintsNothing)
{
    ScheduleWindow window;
    window.showSchedule(calculators::amortizationSchedule(7, 72, 100000));
    recordedDialogs().confirmPrinter = false;
    find<QPushButton>(window, "PrintButton")->click();
    MatrixWindow matrix(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    find<QPushButton>(matrix, "PrintButton")->click();
    EXPECT_EQ(recordedDialogs().printerRequests, 2);
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
