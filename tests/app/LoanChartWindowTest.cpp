// The loan chart, opened with Ctrl+G from the schedule window over the loan page and the prepayment
// window, and printed on one page. Reference figures from the schedule's recurrence and the prepayment
// loop in 50-digit decimal arithmetic.
#include "widgets/LoanChartWindow.h"

#include "Controls.h"
#include "ModalHelper.h"
#include "PdfWords.h"
#include "RecordingDialogs.h"
#include "ScopedRegionalSettings.h"
#include "ShownPage.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "fields/Regional.h"
#include "loan/LoanPage.h"
#include "loan/PrepaymentWindow.h"

#include <QAction>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using app::LoanPage;
using app::PrepaymentWindow;

namespace {

QStringList axisLabels(QChart* chart, Qt::Alignment side)
{
    const auto axes = chart->axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? QStringList() : qobject_cast<QCategoryAxis*>(axes[0])->categoriesLabels();
}

class LoanChartWindowTest : public ShownPage<LoanPage>
{
protected:
    void SetUp() override
    {
        page.setPrepaymentWindow(&prepayment);
        ShownPage::SetUp();
    }
    void TearDown() override
    {
        EXPECT_EQ(liveTopLevelCount("app::LoanChartWindow"), 0);
        EXPECT_EQ(liveTopLevelCount("app::ScheduleWindow"), 0);
    }

    void calculateLoan(const char* amount)
    {
        field("RateEdit")->setText(QStringLiteral("7"));
        field("YearsEdit")->setText(QStringLiteral("15"));
        field("AmountEdit")->setText(QString::fromLatin1(amount));
        control<QPushButton>("CalculateButton")->click();
    }

    // Presses Schedule, opens the chart with Ctrl+G in the schedule window and hands it over to look at.
    void lookAtChart(const std::function<void(QWidget*)>& look)
    {
        bool looked = false;
        whenModalShows([&](QWidget* schedule) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(schedule));
            whenModalShows([&](QWidget* chart) {
                looked = true;
                look(chart);
                QTest::keyClick(chart, Qt::Key_Escape);
            });
            QTest::keyClick(find<QTableWidget>(*schedule, "ScheduleGrid"), Qt::Key_G, Qt::ControlModifier);
            QTest::keyClick(schedule, Qt::Key_Escape);
        });
        control<QPushButton>("ScheduleButton")->click();
        EXPECT_TRUE(looked);
    }

    PrepaymentWindow prepayment;
};

TEST_F(LoanChartWindowTest, DrawsTheScheduleAndThePrepaymentOfTheSameLoan)
{
    calculateLoan("100000");
    find<QLineEdit>(prepayment, "ExtraPaymentEdit")->setText(QStringLiteral("100"));
    find<QPushButton>(prepayment, "CalculateButton")->click();
    ASSERT_TRUE(recordedDialogs().shown.empty());

    lookAtChart([](QWidget* window) {
        EXPECT_TRUE(window->inherits("app::LoanChartWindow"));
        EXPECT_EQ(window->parentWidget(), nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Loan Chart"));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        QChart* balance = find<QChartView>(*window, "BalanceChart")->chart();
        const auto series = balance->series();
        ASSERT_EQ(series.size(), 3);
        const auto* scheduled = qobject_cast<QLineSeries*>(series[0]);
        const auto* prepaid = qobject_cast<QLineSeries*>(series[1]);
        const auto* mark = qobject_cast<QScatterSeries*>(series[2]);
        ASSERT_TRUE(scheduled && prepaid && mark);
        EXPECT_EQ(scheduled->name(), QStringLiteral("Balance"));
        ASSERT_EQ(scheduled->count(), 181);
        EXPECT_EQ(scheduled->at(0), QPointF(0, 100000));
        EXPECT_NEAR(scheduled->at(1).y(), 99684.51, 0.005);
        EXPECT_NEAR(scheduled->at(180).y(), 0, 1e-6);
        // 151 months of the prepayment loop; the last overpays, and shows as repaid.
        EXPECT_EQ(prepaid->name(), QStringLiteral("Paying $100.00 more from month 1"));
        ASSERT_EQ(prepaid->count(), 152);
        EXPECT_NEAR(prepaid->at(1).y(), 99584.51, 0.005);
        EXPECT_EQ(prepaid->at(151).y(), 0);
        EXPECT_EQ(mark->name(), QStringLiteral("Principal exceeds interest: month 62"));
        ASSERT_EQ(mark->count(), 1);
        EXPECT_EQ(mark->at(0).x(), 62);
        EXPECT_NEAR(mark->at(0).y(), 76515.69, 0.005);
        EXPECT_EQ(axisLabels(balance, Qt::AlignBottom),
            (QStringList { QStringLiteral("0"), QStringLiteral("60"), QStringLiteral("120"), QStringLiteral("180") }));
        EXPECT_EQ(axisLabels(balance, Qt::AlignLeft),
            (QStringList { QStringLiteral("$0"), QStringLiteral("$20,000"), QStringLiteral("$40,000"),
                QStringLiteral("$60,000"), QStringLiteral("$80,000"), QStringLiteral("$100,000") }));

        QChart* years = find<QChartView>(*window, "YearsChart")->chart();
        ASSERT_EQ(years->series().size(), 1);
        const auto* bars = qobject_cast<QStackedBarSeries*>(years->series()[0]);
        ASSERT_NE(bars, nullptr);
        ASSERT_EQ(bars->count(), 2);
        EXPECT_EQ(bars->barSets()[0]->label(), QStringLiteral("Principal"));
        EXPECT_EQ(bars->barSets()[1]->label(), QStringLiteral("Interest"));
        ASSERT_EQ(bars->barSets()[0]->count(), 15);
        EXPECT_NEAR(bars->barSets()[0]->at(0), 3909.80, 0.005);
        EXPECT_NEAR(bars->barSets()[1]->at(14), 398.07, 0.005);
        EXPECT_EQ(axisLabels(years, Qt::AlignBottom).first(), QStringLiteral("1"));
        EXPECT_EQ(axisLabels(years, Qt::AlignLeft).last(), QStringLiteral("$12,000"));
    });

    // Another amount is another loan: the prepayment result is not drawn with it.
    calculateLoan("120000");
    lookAtChart([](QWidget* window) {
        const auto series = find<QChartView>(*window, "BalanceChart")->chart()->series();
        ASSERT_EQ(series.size(), 2);
        EXPECT_EQ(series[0]->name(), QStringLiteral("Balance"));
        EXPECT_TRUE(series[1]->inherits("QScatterSeries"));
    });
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

TEST_F(LoanChartWindowTest, TheScheduleMenuOffersTheChart)
{
    calculateLoan("100000");
    whenModalShows([](QWidget* schedule) {
        auto* menu = find<QMenu>(*find<QTableWidget>(*schedule, "ScheduleGrid"), "GridMenu");
        QStringList texts;
        for (const QAction* action : menu->actions())
            texts.append(action->text() + QLatin1Char('|') + action->shortcut().toString());
        EXPECT_EQ(texts,
            (QStringList { QStringLiteral("Copy|Ctrl+C"), QStringLiteral("Save as CSV\u2026|"),
                QStringLiteral("Loan Chart\u2026|Ctrl+G") }));
        schedule->close();
    });
    control<QPushButton>("ScheduleButton")->click();
}

// The chart is a module of its own, loaded by the schedule; it writes money in the program's regional settings
// and asks the program's printer dialog, not copies of its own.
TEST_F(LoanChartWindowTest, TheChartModuleSharesTheProgramsSettingsAndDialogs)
{
    calculateLoan("100000");
    const ScopedRegionalSettings euro(euroSettings());
    lookAtChart([](QWidget* window) {
        EXPECT_EQ(axisLabels(find<QChartView>(*window, "BalanceChart")->chart(), Qt::AlignLeft).last(),
            QStringLiteral("100.000 €"));
        find<QPushButton>(*window, "PrintButton")->click();
    });
    EXPECT_EQ(recordedDialogs().printerRequests, 1);
}

TEST(LoanChartPrint, BothViewsPrintOnOnePage)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    recordedDialogs().reset();
    recordedDialogs().confirmPrinter = true;
    recordedDialogs().preparePrinter = [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    whenModalShows([](QWidget* chart) {
        find<QPushButton>(*chart, "PrintButton")->click();
        chart->close();
    });
    app::showLoanChart(calculators::amortizationSchedule(7, 360, 150000), std::nullopt);
    EXPECT_EQ(recordedDialogs().printerRequests, 1);
    EXPECT_TRUE(recordedDialogs().shown.empty());

    const std::optional<PdfText> text = readPdfText(pdf);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->pageCount, 1);
    EXPECT_EQ(text->title, QStringLiteral("Corvanta Loan Chart"));
    QStringList words;
    for (const PdfWord& word : text->words)
        words.append(word.text);
    for (const char* expected : { "Remaining", "Principal", "Interest", "$150,000", "$12,000", "242", "360" })
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected))) << expected;
    // The balance chart above the yearly bars.
    const auto top = [&text](const char* word) {
        for (const PdfWord& found : text->words)
            if (found.text == QString::fromLatin1(word))
                return found.yMin;
        return -1.0;
    };
    EXPECT_LT(top("Remaining"), top("paid"));
}

} // namespace
