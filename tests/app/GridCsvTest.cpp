// "Save as CSV…" in the schedule and matrix grids' menus: RFC 4180 text, read back from the file, and
// failed writes that leave an earlier file as it was.
#include "widgets/GridCsv.h"

#include "Controls.h"
#include "LoanOpening.h"
#include "RecordingDialogs.h"
#include "calculators/loan/AmortizationSchedule.h"
#include "loan/MatrixWindow.h"
#include "loan/ScheduleWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
using app::MatrixWindow;
using app::ScheduleWindow;

namespace {

QAction* saveAction(QWidget& window)
{
    return find<QAction>(*find<QMenu>(*window.findChild<QTableWidget*>(), "GridMenu"), "SaveCsvAction");
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

class GridCsvTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        recordedDialogs().reset();
        recordedDialogs().saveFileAnswer = path;
        schedule.showSchedule(calculators::amortizationSchedule(7, 12, 100000));
    }

    // Saves the schedule and returns the one warning shown, or an empty text.
    QString saveSchedule()
    {
        saveAction(schedule)->trigger();
        EXPECT_EQ(recordedDialogs().saveFileRequests, 1);
        EXPECT_LE(recordedDialogs().shown.size(), 1u);
        return recordedDialogs().shown.empty() ? QString() : recordedDialogs().shown[0].text;
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("schedule, 100% \"final\".csv"));
    ScheduleWindow schedule;
};

// Figures from the schedule's recurrence in 50-digit decimal arithmetic.
TEST_F(GridCsvTest, TheScheduleIsSavedWithItsHeadingsAndFiguresAsShown)
{
    EXPECT_EQ(saveSchedule(), QString());
    EXPECT_EQ(recordedDialogs().suggestedSaveName, QStringLiteral("Corvanta Amortization Schedule.csv"));
    const QList<QByteArray> records = contents(path).split('\n');
    ASSERT_EQ(records.size(), 14); // 13 records, each ended by CR LF
    EXPECT_EQ(records[0], "Month,Interest,Principle,Balance\r");
    EXPECT_EQ(records[1], "1,$583.33,\"$8,069.34\",\"$91,930.66\"\r");
    EXPECT_EQ(records[2], "2,$536.26,\"$8,116.41\",\"$83,814.25\"\r");
    EXPECT_EQ(records[12], "12,$50.18,\"$8,602.49\",$0.00\r");
    EXPECT_EQ(records[13], "");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);

    // Cancelling the dialog writes nothing.
    QFile::remove(path);
    recordedDialogs().reset();
    saveAction(schedule)->trigger();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(recordedDialogs().shown.empty());
}

TEST_F(GridCsvTest, TheMatrixIsSavedCellByCellWithItsLeadingBlanks)
{
    MatrixWindow matrix(loanOpening(QStringLiteral("150000"), QStringLiteral("30"), QStringLiteral("7")));
    ASSERT_NE(saveAction(matrix), nullptr);
    saveAction(matrix)->trigger();
    EXPECT_TRUE(recordedDialogs().shown.empty());
    EXPECT_EQ(recordedDialogs().suggestedSaveName, QStringLiteral("Corvanta Loan Payment Matrix.csv"));
    const QList<QByteArray> records = contents(path).split('\n');
    ASSERT_EQ(records.size(), 12);
    EXPECT_EQ(records[0], ", Loan Amount #1, Loan Amount #2, Loan Amount #3, Loan Amount #4\r");
    EXPECT_EQ(records[1], ", $150000, $165000, $180000, $195000\r");
    EXPECT_EQ(records[2], " Loan #1 = 30 years:,,,,\r");
    EXPECT_EQ(records[3], "    Interest Rate = 7%, $997.95,\" $1,097.75\",\" $1,197.54\",\" $1,297.34\"\r");
    EXPECT_EQ(records[10], ",,,,\r");
}

TEST_F(GridCsvTest, AFailedWriteWarnsNamingTheFileAndKeepsTheEarlierOne)
{
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }

    // A disk that fills up: files may not grow beyond 100 bytes for a moment.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString warning = saveSchedule();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(warning.startsWith(QStringLiteral("The file \"%1\" could not be saved: ").arg(path)))
        << warning.toStdString();
    EXPECT_TRUE(warning.endsWith(QStringLiteral(". Any earlier file of that name is unchanged.")));
    EXPECT_EQ(contents(path), "earlier");
    // No temporary file is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList { QFileInfo(path).fileName() });

    // A folder that does not exist.
    recordedDialogs().reset();
    const QString lost = folder.filePath(QStringLiteral("missing/schedule.csv"));
    recordedDialogs().saveFileAnswer = lost;
    EXPECT_TRUE(saveSchedule().startsWith(QStringLiteral("The file \"%1\" could not be saved: ").arg(lost)));
    EXPECT_FALSE(QFile::exists(lost));
}

} // namespace
