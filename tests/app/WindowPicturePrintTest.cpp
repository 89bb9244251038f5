// The picture of the main window: scaled to keep its size on paper, on one page.
#include "Controls.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "printing/PrintedPictureSize.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

using app::MainWindow;

namespace {

struct SizeCase
{
    QSize pixels;
    app::Resolution printer;
    app::Resolution screen;
    QSize dots;
};

TEST(PrintedPictureSize, KeepsThePhysicalSizeToTheNearestDot)
{
    // 627 × 600 / 96 = 3918.75 and 429 × 600 / 96 = 2681.25; halves go up: 627 × 1200 / 96 = 7837.5.
    const SizeCase cases[] = {
        { { 627, 429 }, { 96, 96 }, { 96, 96 }, { 627, 429 } },
        { { 627, 429 }, { 600, 600 }, { 96, 96 }, { 3919, 2681 } },
        { { 627, 429 }, { 1200, 1200 }, { 96, 96 }, { 7838, 5363 } },
        { { 627, 429 }, { 300, 300 }, { 96, 96 }, { 1959, 1341 } },
        { { 627, 429 }, { 600, 600 }, { 120, 120 }, { 3135, 2145 } },
        { { 627, 429 }, { 300, 300 }, { 144, 144 }, { 1306, 894 } },
        { { 627, 429 }, { 600, 300 }, { 96, 96 }, { 3919, 1341 } },
        { { 0, 0 }, { 600, 600 }, { 96, 96 }, { 0, 0 } },
    };
    for (const SizeCase& size : cases) {
        SCOPED_TRACE(size.printer.x);
        EXPECT_EQ(app::printedPictureSize(size.pixels, size.printer, size.screen), size.dots);
    }
}

class WindowPicturePrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        recordedDialogs().reset();
        recordedDialogs().preparePrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            printer.setResolution(300);
            printableArea = printer.pageLayout().paintRectPoints();
        };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QTemporaryDir folder;
    QString pdfPath = folder.filePath(QStringLiteral("window.pdf"));
    QRect printableArea;
    app::ReturningUserStore returning;
    MainWindow window { returning };
};

TEST_F(WindowPicturePrintTest, ACancelledDialogPrintsNothing)
{
    window.pagePrintButtonClicked();
    EXPECT_EQ(recordedDialogs().printerRequests, 1);
    EXPECT_FALSE(QFile::exists(pdfPath));
}

TEST_F(WindowPicturePrintTest, TheCollegeAndRetirementPrintButtonsPrintTheWindowPicture)
{
    auto* pages = find<QTabWidget>(window, "CalculatorTabs");
    ASSERT_NE(pages, nullptr);
    const std::pair<const char*, const char*> buttons[]
        = { { "CollegeTab", "CollegePrintButton" }, { "RetirementTab", "RetirementPrintButton" } };
    for (const auto& [page, button] : buttons) {
        SCOPED_TRACE(button);
        recordedDialogs().printerRequests = 0;
        pages->setCurrentWidget(find(window, page));
        auto* print = find<QAbstractButton>(window, button);
        ASSERT_NE(print, nullptr);
        print->click();
        EXPECT_EQ(recordedDialogs().printerRequests, 1);
        EXPECT_FALSE(QFile::exists(pdfPath));
    }
}

TEST_F(WindowPicturePrintTest, PrintsTheClientAreaAtItsScreenSizeOnOnePage)
{
    recordedDialogs().confirmPrinter = true;
    window.pagePrintButtonClicked();
    EXPECT_TRUE(recordedDialogs().shown.empty());

    const std::optional<PdfText> text = readPdfText(pdfPath);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->pageCount, 1);
    EXPECT_EQ(text->title, QStringLiteral("Corvanta Loans and Mortgages"));

    // Rendered back at 96 dots per inch, the picture covers 627 × 429 dots from the printable area's corner.
    const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(renderer.isEmpty());
    const QString pngBase = folder.filePath(QStringLiteral("page"));
    ASSERT_EQ(QProcess::execute(renderer,
                  { QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                      pdfPath, pngBase }),
        0);
    const QImage page(pngBase + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y) != Qt::white)
                inked |= QRect(x, y, 1, 1);
    const double pointsToDots = 96.0 / 72.0;
    EXPECT_NEAR(inked.left(), printableArea.left() * pointsToDots, 1);
    EXPECT_NEAR(inked.top(), printableArea.top() * pointsToDots, 1);
    EXPECT_NEAR(inked.width(), 627, 1);
    EXPECT_NEAR(inked.height(), 429, 1);
    // Below the pages, left of Exit Program, lies the window's blue background panel.
    const QColor background = page.pixelColor(inked.topLeft() + QPoint(6, 410));
    EXPECT_NEAR(background.red(), 56, 3);
    EXPECT_NEAR(background.green(), 81, 3);
    EXPECT_NEAR(background.blue(), 139, 3);
}

} // namespace
