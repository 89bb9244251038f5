#include "program/Program.h"

#include "finance/RegionalSettings.h"
#include "program/MainWindow.h"
#include "program/ProgramOptions.h"
#include "shell/ApplicationTitle.h"
#include "shell/FirstRunStore.h"
#include "shell/ProgramIcon.h"
#include "shell/Regional.h"

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
    installRegionalSettings(finance::systemRegionalSettings());

    SettingsFirstRunStore firstRun;
    MainWindow mainWindow(firstRun);

    if (beforeShow)
        beforeShow(mainWindow);
    mainWindow.show();
    return QApplication::exec();
}

} // namespace app
