// The loan page's Print button: the report goes to the chosen printer as plain text lines, read back from a PDF.
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "ShownPage.h"
#include "loan/LoanPage.h"
#include "printing/MemoLines.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstddef>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

using app::LoanPage;

namespace {

TEST(DisplayedLines, LeaveOutOnlyALastEmptyLine)
{
    const std::pair<QString, QStringList> cases[] = {
        { QString(), {} },
        { QStringLiteral("a"), { QStringLiteral("a") } },
        { QStringLiteral("a\n"), { QStringLiteral("a") } },
        { QStringLiteral("a\n\n"), { QStringLiteral("a"), QString() } },
        { QStringLiteral("\na\n\nb"), { QString(), QStringLiteral("a"), QString(), QStringLiteral("b") } },
        { QStringLiteral("a\tb"), { QStringLiteral("a\tb") } },
    };
    QPlainTextEdit memo;
    memo.resize(400, 100);
    memo.show();
    for (const auto& [text, lines] : cases) {
        SCOPED_TRACE(text.toStdString());
        memo.setPlainText(text);
        EXPECT_EQ(app::displayedLines(memo), lines);
    }
}

// A row of printed text: the words pdftotext finds at one height of one page.
struct PrintedRow
{
    int page;
    double top;
    QStringList words;
};

std::vector<PrintedRow> rowsOf(const PdfText& text)
{
    std::vector<PrintedRow> rows;
    for (const PdfWord& word : text.words) {
        if (rows.empty() || rows.back().page != word.page || std::abs(rows.back().top - word.yMin) > 1)
            rows.push_back({ word.page, word.yMin, {} });
        rows.back().words << word.text;
    }
    return rows;
}

class LoanReportPrintTest : public ShownPage<LoanPage>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        page.setClock([] { return QDate(2026, 12, 8); });
        ShownPage::SetUp();
        recordedDialogs().confirmPrinter = true;
        recordedDialogs().preparePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            printableArea = printer.pageLayout().paintRectPoints();
        };
    }

    QPlainTextEdit* memo() { return control<QPlainTextEdit>("LoanReportText"); }
    void pressPrint() { press("ReportPrintButton"); }

    PdfText printed()
    {
        const std::optional<PdfText> text = readPdfText(pdfPath);
        if (!text)
            ADD_FAILURE() << "cannot read " << pdfPath.toStdString() << " with pdftotext";
        return text.value_or(PdfText {});
    }

    QTemporaryDir folder;
    QString pdfPath = folder.filePath(QStringLiteral("report.pdf"));
    QRect printableArea;
};

TEST_F(LoanReportPrintTest, ACancelledDialogPrintsNothing)
{
    recordedDialogs().confirmPrinter = false;
    memo()->setPlainText(QStringLiteral("Something to print"));
    pressPrint();
    EXPECT_EQ(recordedDialogs().printerRequests, 1);
    EXPECT_FALSE(QFile::exists(pdfPath));
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

TEST_F(LoanReportPrintTest, AnEmptyReportStartsAndEndsANamedJobWithNoText)
{
    pressPrint();
    const PdfText text = printed();
    // A page shown on its own has no tab to name it by; in the main window it is its tab's (PrintButtonsTest).
    EXPECT_EQ(text.title, QStringLiteral("Corvanta"));
    EXPECT_EQ(text.pageCount, 1);
    EXPECT_TRUE(text.words.empty());
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

TEST_F(LoanReportPrintTest, PrintsTheReportAsShownWithTheUsersEdits)
{
    const std::pair<const char*, const char*> entries[]
        = { { "RateEdit", "7" }, { "YearsEdit", "15" }, { "AmountEdit", "100000" } };
    for (const auto& [name, text] : entries)
        field(name)->setText(QString::fromLatin1(text));
    control<QPushButton>("CalculateButton")->click();

    // The user signs the report and adds a remark long enough to wrap in the text area.
    QTextCursor caret = memo()->document()->find(QStringLiteral("Prepared for:"));
    caret.clearSelection();
    memo()->setTextCursor(caret);
    QTest::keyClicks(memo(), QStringLiteral(" Jane Doe"));
    QStringList remark;
    for (int word = 1; word <= 60; ++word)
        remark << QStringLiteral("w%1").arg(word);
    memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(memo(), Qt::Key_Return);
    QTest::keyClicks(memo(), remark.join(u' '));

    pressPrint();

    const QString expected = QStringLiteral(
        "Loan Analysis Date: 12/8/26 Prepared for: Jane Doe Prepared by: LOAN VARIABLES: Interest Rate: 7% "
        "Loan Term: 15 Years Borrowing $100,000.00 would give you a monthly payment of $898.83 Interest cost over "
        "the term of the loan is: $61,789.09 For more loan details, click the MATRIX, SCHEDULE, or PREPAY buttons "
        "below. ");
    const PdfText text = printed();
    EXPECT_EQ(text.pageCount, 1);
    QStringList words;
    for (const PdfWord& word : text.words)
        words << word.text;
    EXPECT_EQ(words.join(u' ').toStdString(), (expected + remark.join(u' ')).toStdString());

    // Each word is printed on the same row as its neighbour exactly when the screen shows them on one row.
    const QString shown = memo()->toPlainText();
    qsizetype from = 0;
    std::vector<int> screenRows;
    for (const QString& word : words) {
        from = shown.indexOf(word, from);
        ASSERT_GE(from, 0) << word.toStdString();
        QTextCursor at(memo()->document());
        at.setPosition(int(from));
        screenRows.push_back(memo()->cursorRect(at).top());
        from += word.size();
    }
    for (std::size_t index = 1; index < text.words.size(); ++index) {
        SCOPED_TRACE(text.words[index].text.toStdString());
        EXPECT_EQ(std::abs(text.words[index].yMin - text.words[index - 1].yMin) < 1,
            screenRows[index] == screenRows[index - 1]);
    }
    EXPECT_GE(rowsOf(text).size(), 8u) << "the remark wraps in the text area, so it prints on two rows or more";
    // The first row starts at the top-left corner of the printable area.
    ASSERT_FALSE(text.words.empty());
    EXPECT_NEAR(text.words.front().xMin, printableArea.left(), 2);
    EXPECT_NEAR(text.words.front().yMin, printableArea.top(), 4);
}

TEST_F(LoanReportPrintTest, ALongReportContinuesOnFurtherPages)
{
    QStringList lines;
    for (int line = 1; line <= 150; ++line)
        lines << QStringLiteral("Line %1").arg(line);
    memo()->setPlainText(lines.join(u'\n'));

    pressPrint();

    const std::vector<PrintedRow> rows = rowsOf(printed());
    ASSERT_EQ(rows.size(), 150u);
    for (int line = 1; line <= 150; ++line)
        EXPECT_EQ(rows[line - 1].words, QStringList({ QStringLiteral("Line"), QString::number(line) }));
    EXPECT_GE(rows.back().page, 2);

    // Every page starts at the top of the printable area, and each full one is filled to near its bottom.
    const double pitch = rows[1].top - rows[0].top;
    for (std::size_t index = 1; index < rows.size(); ++index) {
        if (rows[index - 1].page != rows[index].page) {
            SCOPED_TRACE(index + 1);
            EXPECT_NEAR(rows[index].top, rows[0].top, 0.5);
            EXPECT_GT(rows[index - 1].top, printableArea.bottom() - 3 * pitch);
        }
    }
}

TEST_F(LoanReportPrintTest, APrinterThatCannotStartEndsThePrintOutWithAnError)
{
    pdfPath = folder.filePath(QStringLiteral("no such folder/report.pdf"));
    memo()->setPlainText(QStringLiteral("Something to print"));
    pressPrint();
    expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("The printer could not start the print job."));
    EXPECT_FALSE(QFile::exists(pdfPath));
}

} // namespace
