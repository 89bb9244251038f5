// What the user typed survives closing, quitting and a killed program: the state file is written a second after the
// last change and when a window closes, always whole, and read back into the windows of the next run.
#include "session/TypedState.h"

#include "Controls.h"
#include "RecordingDialogs.h"
#include "extrapayments/ExtraPaymentsWindow.h"
#include "loan/LoanPage.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

using app::MainWindow;
using app::TypedState;

class TypedStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordedDialogs().reset();
        ASSERT_TRUE(folder.isValid());
    }

    QString statePath() const { return folder.filePath(QStringLiteral("state/last-session.corvanta")); }

    // A run of the program: its state read from the file, its main window shown.
    struct Run
    {
        explicit Run(const QString& path)
            : state(path)
            , window(store)
        {
            unread = state.load();
            window.keepTypedState(state);
            window.show();
        }
        TypedState state;
        app::ReturningUserStore store;
        MainWindow window;
        std::optional<QString> unread;
    };

    QTemporaryDir folder;
};

TEST_F(TypedStateTest, TheNextRunShowsWhatWasTypedOnEveryPageAndInTheToolsWindows)
{
    {
        Run first(statePath());
        find<QLineEdit>(first.window, "RateEdit")->setText(QStringLiteral("6.25"));
        find<QTabWidget>(first.window, "CalculatorTabs")->setCurrentIndex(4);
        find<QLineEdit>(first.window, "SavingsRateEdit")->setText(QStringLiteral("3,5"));
        find<QAction>(first.window, "ExtraPaymentsPlannerAction")->trigger();
        auto* planner = first.window.findChild<app::ExtraPaymentsWindow*>();
        ASSERT_NE(planner, nullptr);
        find<QLineEdit>(*planner, "MonthlyExtraEdit")->setText(QStringLiteral("125"));
        // Written within a second of the last change, before anything closes.
        QTest::qWait(1000);
        EXPECT_TRUE(QFile::exists(statePath()));
        planner->close();
    }
    Run second(statePath());
    EXPECT_FALSE(second.unread.has_value());
    EXPECT_EQ(
        find<QTabWidget>(second.window, "CalculatorTabs")->currentWidget()->objectName(), QStringLiteral("SavingsTab"));
    EXPECT_EQ(find<QLineEdit>(second.window, "SavingsRateEdit")->text(), QStringLiteral("3,5"));
    find<QTabWidget>(second.window, "CalculatorTabs")->setCurrentIndex(0);
    EXPECT_EQ(find<QLineEdit>(second.window, "RateEdit")->text(), QStringLiteral("6.25"));
    // Results are not kept: they come with Calculate.
    find<QAction>(second.window, "ExtraPaymentsPlannerAction")->trigger();
    auto* planner = second.window.findChild<app::ExtraPaymentsWindow*>();
    ASSERT_NE(planner, nullptr);
    EXPECT_EQ(find<QLineEdit>(*planner, "MonthlyExtraEdit")->text(), QStringLiteral("125"));
}

// A file that cannot be read (the scenario reader's own tests hold every way to be unreadable) is set aside under a
// new name, whole, the run starts on the designed values, and one warning names the file.
TEST_F(TypedStateTest, AFileThatCannotBeReadIsSetAsideAndSaidOnce)
{
    const QByteArray damaged = "{\"format\": \"corvanta-scen";
    QDir().mkpath(QFileInfo(statePath()).absolutePath());
    QFile bad(statePath());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(damaged);
    bad.close();
    {
        Run run(statePath());
        ASSERT_TRUE(run.unread.has_value());
        EXPECT_TRUE(run.unread->contains(statePath())) << run.unread->toStdString();
        EXPECT_EQ(find<QLineEdit>(run.window, "RateEdit")->text(), QStringLiteral("7"));
    }
    const QStringList aside
        = QDir(QFileInfo(statePath()).absolutePath()).entryList({ QStringLiteral("last-session.corvanta.unread-*") });
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(statePath()).absolutePath() + u'/' + aside.front());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
}

// A write that fails half way (here: the process may write no file larger than a few bytes, as a full disk would
// have it) leaves the file as it was, and says why.
TEST_F(TypedStateTest, AFailedWriteKeepsTheOldFileWhole)
{
    {
        Run first(statePath());
        find<QLineEdit>(first.window, "RateEdit")->setText(QStringLiteral("6.25"));
    }
    QFile written(statePath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray before = written.readAll();
    written.close();
    ASSERT_FALSE(before.isEmpty());

    Run second(statePath());
    find<QLineEdit>(second.window, "RateEdit")->setText(QStringLiteral("7.75"));
    rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small { 16, limit.rlim_max };
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString reason;
    const bool written_ = second.state.flush(&reason);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signal);
    EXPECT_FALSE(written_);
    EXPECT_FALSE(reason.isEmpty());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), before);
}

// The real program killed a second after typing: the next run shows what was typed. The child is this test binary
// running the test below, which types and then waits to be killed.
TEST_F(TypedStateTest, AKilledProgramLosesNothingTypedASecondBefore)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CORVANTA_TYPING_CHILD_STATE"), statePath());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--gtest_filter=TypedStateChild.TypesThenWaitsToBeKilled") });
    ASSERT_TRUE(child.waitForStarted());
    QByteArray said;
    while (!said.contains("typed") && child.waitForReadyRead(20000))
        said += child.readAllStandardOutput();
    ASSERT_TRUE(said.contains("typed")) << said.toStdString();
    QTest::qWait(1000);
    child.kill(); // SIGKILL: no window closes, no destructor runs
    ASSERT_TRUE(child.waitForFinished());

    Run next(statePath());
    EXPECT_EQ(find<QLineEdit>(next.window, "RateEdit")->text(), QStringLiteral("8.125"));
}

TEST(TypedStateChild, TypesThenWaitsToBeKilled)
{
    const QString path = qEnvironmentVariable("CORVANTA_TYPING_CHILD_STATE");
    if (path.isEmpty())
        GTEST_SKIP() << "run by AKilledProgramLosesNothingTypedASecondBefore";
    TypedState state(path);
    state.load();
    app::ReturningUserStore store;
    MainWindow window(store);
    window.keepTypedState(state);
    window.show();
    QTest::keyClicks(find<QLineEdit>(window, "RateEdit"), QStringLiteral("8.125"));
    find<QLineEdit>(window, "RateEdit")->setText(QStringLiteral("8.125"));
    std::printf("typed\n");
    std::fflush(stdout);
    QTest::qWait(60000);
}

} // namespace
