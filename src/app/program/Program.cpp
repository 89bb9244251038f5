#include "program/Program.h"

#include "dialogs/ApplicationTitle.h"
#include "dialogs/Dialogs.h"
#include "fields/Regional.h"
#include "program/FirstRunStore.h"
#include "program/MainWindow.h"
#include "program/ProgramIcon.h"
#include "program/ProgramOptions.h"
#include "regional/RegionalSettings.h"
#include "session/ScenarioFiles.h"
#include "session/TypedState.h"

#include <QApplication>
#include <optional>

namespace app {

int runProgram(int& argc, char* argv[], const std::function<void(QWidget& mainWindow)>& beforeShow)
{
    if (const std::optional<int> answered = answerOnTerminal(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    if (const std::optional<int> refused = refuseUnknownArguments(QCoreApplication::arguments()))
        return *refused;
    QApplication::setApplicationName(applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Brellin"));
    // Every window's icon, and the program's id: the name of the menu entry (<id>.desktop) that desktops match the
    // running program to.
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANTA_APP_ID));
    installRegionalSettings(regional::systemRegionalSettings());

    SettingsFirstRunStore firstRun;
    // What was typed in the last session; outlives the windows, so that it is written once they are gone.
    TypedState typedState(typedStatePath());
    const std::optional<QString> unread = typedState.load();
    MainWindow mainWindow(firstRun);
    mainWindow.keepTypedState(typedState);

    if (beforeShow)
        beforeShow(mainWindow);
    mainWindow.show();
    if (unread)
        dialogs().warning(&mainWindow, *unread);
    if (const QString file = scenarioArgument(QCoreApplication::arguments()); !file.isEmpty())
        mainWindow.scenarioFiles()->openFile(file);
    return QApplication::exec();
}

} // namespace app
