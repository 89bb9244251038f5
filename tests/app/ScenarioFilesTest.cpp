// The File menu's scenarios driven through the main window: saved and opened again, under other regional settings
// too, refused files that change nothing, New and its undo, and the question before unsaved changes go.
#include "session/ScenarioFiles.h"

#include "Controls.h"
#include "RecordingDialogs.h"
#include "RegionalPresets.h"
#include "ScopedRegionalSettings.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "session/TypedState.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

// A run of the program with its own state file, its main window shown.
struct ProgramRun
{
    explicit ProgramRun(const QString& statePath)
        : state(statePath)
        , window(store)
    {
        state.load();
        window.keepTypedState(state);
        window.show();
    }
    QLineEdit* rate() { return find<QLineEdit>(window, "RateEdit"); }
    void choose(const char* action) { find<QAction>(window, action)->trigger(); }

    app::TypedState state;
    app::ReturningUserStore store;
    app::MainWindow window;
};

class ScenarioFilesTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        recordedDialogs().reset();
        ASSERT_TRUE(folder.isValid());
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void writeFile(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

struct Behaviour
{
    const char* name;
    std::function<void(ScenarioFilesTest&, ProgramRun&)> check;
};

void PrintTo(const Behaviour& behaviour, std::ostream* out)
{
    *out << behaviour.name;
}

class ScenarioFilesBehaviour : public ScenarioFilesTest, public ::testing::WithParamInterface<Behaviour>
{ };

TEST_P(ScenarioFilesBehaviour, Holds)
{
    ProgramRun run(path("state.corvanta"));
    GetParam().check(*this, run);
}

const Behaviour behaviours[] = {
    { "SavedThenOpenedAfterOtherTyping",
        [](ScenarioFilesTest& t, ProgramRun& run) {
            run.rate()->setText(QStringLiteral("6.125"));
            recordedDialogs().saveFileAnswer = t.path("house.corvanta");
            run.choose("SaveScenarioAsAction");
            EXPECT_EQ(recordedDialogs().suggestedSaveName, QStringLiteral("Corvanta Scenario.corvanta"));
            EXPECT_EQ(
                run.window.windowTitle(), QStringLiteral("house.corvanta[*] - BRELLIN Corvanta :  www.brellin.com"));
            EXPECT_FALSE(run.window.isWindowModified());
            run.rate()->setText(QStringLiteral("9"));
            EXPECT_TRUE(run.window.isWindowModified());
            recordedDialogs().openFileAnswer = t.path("house.corvanta");
            recordedDialogs().unsavedAnswer = app::Dialogs::Unsaved::Discard;
            run.choose("OpenScenarioAction");
            EXPECT_EQ(recordedDialogs().unsavedQuestions.size(), 1U);
            EXPECT_EQ(run.rate()->text(), QStringLiteral("6.125"));
            EXPECT_FALSE(run.window.isWindowModified());
            EXPECT_EQ(run.window.scenarioFiles()->recentFiles().front(), t.path("house.corvanta"));
        } },
    // Every way a file is refused is the scenario reader's to test; here, that a refused file changes nothing.
    { "ARefusedFileChangesNothingAndIsNamed",
        [](ScenarioFilesTest& t, ProgramRun& run) {
            run.rate()->setText(QStringLiteral("6.125"));
            t.writeFile("typo.corvanta",
                "{\"format\": \"corvanta-scenario\", \"formatVersion\": \"1.0\", \"sections\": {\"loan\": "
                "{\"rtae\": 7}}}");
            EXPECT_FALSE(run.window.scenarioFiles()->openFile(t.path("typo.corvanta")));
            ASSERT_EQ(recordedDialogs().shown.size(), 1U);
            EXPECT_TRUE(recordedDialogs().shown[0].text.contains(t.path("typo.corvanta")));
            EXPECT_TRUE(recordedDialogs().shown[0].text.contains(QLatin1String("rtae")));
            EXPECT_EQ(run.rate()->text(), QStringLiteral("6.125"));
        } },
    { "NewGivesTheDesignedValuesAndUndoBringsBackTheTyping",
        [](ScenarioFilesTest&, ProgramRun& run) {
            run.rate()->setText(QStringLiteral("6.125"));
            run.choose("NewAction");
            EXPECT_EQ(run.rate()->text(), QStringLiteral("7"));
            ASSERT_TRUE(find<QAction>(run.window, "UndoNewAction")->isEnabled());
            run.choose("UndoNewAction");
            EXPECT_EQ(run.rate()->text(), QStringLiteral("6.125"));
            EXPECT_FALSE(find<QAction>(run.window, "UndoNewAction")->isEnabled());
        } },
    { "ClosingWithUnsavedChangesAsksAndCancelKeepsTheWindow",
        [](ScenarioFilesTest& t, ProgramRun& run) {
            recordedDialogs().saveFileAnswer = t.path("house.corvanta");
            run.choose("SaveScenarioAsAction");
            run.rate()->setText(QStringLiteral("8"));
            recordedDialogs().unsavedAnswer = app::Dialogs::Unsaved::Cancel;
            EXPECT_FALSE(run.window.close());
            EXPECT_TRUE(run.window.isVisible());
            recordedDialogs().unsavedAnswer = app::Dialogs::Unsaved::Save;
            EXPECT_TRUE(run.window.close());
            EXPECT_EQ(recordedDialogs().unsavedQuestions.size(), 2U);
            QFile saved(t.path("house.corvanta"));
            ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
            EXPECT_TRUE(saved.readAll().contains("\"rate\": 8,"));
        } },
};

INSTANTIATE_TEST_SUITE_P(FileMenu, ScenarioFilesBehaviour, ::testing::ValuesIn(behaviours),
    [](const ::testing::TestParamInfo<Behaviour>& info) { return std::string(info.param.name); });

// Written under German settings, opened under United States ones: the numbers take each one's separator.
TEST_F(ScenarioFilesTest, AScenarioSavedInGermanyOpensWithDecimalPoints)
{
    {
        const ScopedRegionalSettings euro(euroSettings());
        ProgramRun german(path("german-state.corvanta"));
        german.rate()->setText(QStringLiteral("6,125"));
        recordedDialogs().saveFileAnswer = path("house.corvanta");
        german.choose("SaveScenarioAsAction");
    }
    const ScopedRegionalSettings us(unitedStatesSettings());
    ProgramRun american(path("us-state.corvanta"));
    ASSERT_TRUE(american.window.scenarioFiles()->openFile(path("house.corvanta")));
    EXPECT_EQ(american.rate()->text(), QStringLiteral("6.125"));
}

} // namespace
