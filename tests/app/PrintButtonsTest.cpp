// Every Print button: the real print dialog it shows (all pages, no range to choose, above the program's
// stay-on-top windows, in the application's normal font whatever its owner's style sheet, for a named job), and
// a printer that fails.
#include "Controls.h"
#include "LoanOpening.h"
#include "ModalHelper.h"
#include "RecordingDialogs.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "dialogs/Dialogs.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/MatrixWindow.h"
#include "loan/ScheduleWindow.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "widgets/LoanChartWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
using app::MainWindow;
using app::MatrixWindow;
using app::ScheduleWindow;

namespace {

// What a print dialog offered when it showed.
struct ShownPrintDialog
{
    bool shown = false;
    bool pageRange = true;
    bool currentPage = true;
    bool selection = true;
    QStringList visibleRangeChoices; // offered, among "Pages from", "Pages", "Current Page", "Selection"
    QStringList boldTexts;
    bool sizeOfTheApplicationFont = false;
    bool staysOnTop = false;
    QString documentName;
};

// Looks at the next print dialog once it is the active modal window, then cancels it. What it saw outlives
// a timer left waiting for a dialog that never came.
std::shared_ptr<const ShownPrintDialog> whenPrintDialogShows()
{
    auto shown = std::make_shared<ShownPrintDialog>();
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, shown] {
        ShownPrintDialog& seen = *shown;
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < 500)
            return;
        timer->stop();
        timer->deleteLater();
        if (!dialog)
            return;
        seen.shown = true;
        seen.pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        seen.currentPage = dialog->testOption(QAbstractPrintDialog::PrintCurrentPage);
        seen.selection = dialog->testOption(QAbstractPrintDialog::PrintSelection);
        // The range choices sit among the options, which the dialog shows when its Options button is pressed.
        for (QPushButton* more : dialog->findChildren<QPushButton*>())
            if (more->text().startsWith(QStringLiteral("&Options")))
                more->click();
        const QStringList rangeChoices { QStringLiteral("Pages from"), QStringLiteral("Pages"),
            QStringLiteral("Current Page"), QStringLiteral("Selection") };
        for (const QRadioButton* choice : dialog->findChildren<QRadioButton*>())
            if (choice->isVisible() && choice->isEnabled() && rangeChoices.contains(choice->text()))
                seen.visibleRangeChoices << choice->text();
        const QFont normal = QApplication::font();
        seen.sizeOfTheApplicationFont = true;
        for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (!qobject_cast<const QLabel*>(widget) && !qobject_cast<const QAbstractButton*>(widget)
                && !qobject_cast<const QGroupBox*>(widget))
                continue;
            if (widget->font().bold())
                seen.boldTexts << widget->objectName();
            if (widget->font().pointSizeF() != normal.pointSizeF())
                seen.sizeOfTheApplicationFont = false;
        }
        seen.staysOnTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.documentName = dialog->printer()->docName();
        dialog->reject();
    });
    timer->start();
    return shown;
}

struct PrintOut
{
    const char* name;
    std::function<void()> press;
    const char* jobName;
};

class PrintButtonTest : public ::testing::TestWithParam<PrintOut>
{
protected:
    void SetUp() override { recordedDialogs().reset(); }
    void TearDown() override { app::installDialogs(&recordedDialogs()); }
};

// The printer in the dialog already carries the job's name, which Qt's dialog also offers as the file name.
TEST_P(PrintButtonTest, TheDialogOffersAllPagesOnlyAboveEveryWindowInTheNormalFontForANamedJob)
{
    app::installDialogs(nullptr);
    const auto shown = whenPrintDialogShows();
    GetParam().press();
    const ShownPrintDialog& seen = *shown;

    ASSERT_TRUE(seen.shown);
    EXPECT_FALSE(seen.pageRange);
    EXPECT_FALSE(seen.currentPage);
    EXPECT_FALSE(seen.selection);
    EXPECT_EQ(seen.visibleRangeChoices, QStringList()) << seen.visibleRangeChoices.join(u',').toStdString();
    EXPECT_EQ(seen.boldTexts, QStringList()) << seen.boldTexts.join(u',').toStdString();
    EXPECT_TRUE(seen.sizeOfTheApplicationFont);
    EXPECT_TRUE(seen.staysOnTop);
    EXPECT_EQ(seen.documentName.toStdString(), GetParam().jobName);
}

TEST_P(PrintButtonTest, APrinterThatCannotStartEndsThePrintOutInTheErrorBox)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("no such folder/printout.pdf"));
    recordedDialogs().confirmPrinter = true;
    recordedDialogs().preparePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    GetParam().press();

    EXPECT_EQ(recordedDialogs().printerRequests, 1);
    expectOnlyBox(RecordingDialogs::Kind::Error, QStringLiteral("The printer could not start the print job."));
    EXPECT_FALSE(QFile::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(EveryPrintButton, PrintButtonTest,
    ::testing::Values(PrintOut { "LoanReport",
                          [] {
                              app::ReturningUserStore returning;
                              MainWindow window(returning);
                              window.show();
                              find<QAbstractButton>(window, "ReportPrintButton")->click();
                          },
                          "Corvanta Loans and Mortgages" },
        PrintOut { "WindowPicture",
            [] {
                app::ReturningUserStore returning;
                MainWindow window(returning);
                window.show();
                find<QTabWidget>(window, "CalculatorTabs")->setCurrentWidget(find(window, "CollegeTab"));
                find<QAbstractButton>(window, "CollegePrintButton")->click();
            },
            "Corvanta Saving for College" },
        PrintOut { "Schedule",
            [] {
                ScheduleWindow window;
                window.showSchedule(calculators::amortizationSchedule(7, 72, 100000));
                find<QAbstractButton>(window, "PrintButton")->click();
            },
            "Corvanta Amortization Schedule" },
        PrintOut { "Matrix",
            [] {
                MatrixWindow window(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
                find<QAbstractButton>(window, "PrintButton")->click();
            },
            "Corvanta Loan Payment Matrix" },
        PrintOut { "LoanChart",
            [] {
                whenModalShows([](QWidget* chart) {
                    find<QAbstractButton>(*chart, "PrintButton")->click();
                    chart->close();
                });
                app::showLoanChart(calculators::amortizationSchedule(7, 360, 150000), std::nullopt);
            },
            "Corvanta Loan Chart" },
        PrintOut { "Planner",
            [] {
                app::ExtraPaymentsWindow window;
                window.startWith(std::nullopt, QDate(2026, 12, 9));
                find<QAbstractButton>(window, "CalculateButton")->click();
                find<QAbstractButton>(window, "PrintButton")->click();
            },
            "Corvanta Extra Payments Planner" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
