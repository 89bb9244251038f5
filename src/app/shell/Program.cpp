#include "shell/Program.h"

#include "RegionalSettings.h"
#include "pages/LoanPage.h"
#include "shell/ApplicationTitle.h"
#include "shell/FirstRunStore.h"
#include "shell/FontConfigurationLoad.h"
#include "shell/ProgramIcon.h"
#include "shell/Regional.h"
#include "windows/MainWindow.h"
#include "windows/PrepaymentWindow.h"
#include "windows/ScheduleWindow.h"

#include <QApplication>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace app {

int runProgram(int& argc, char* argv[], const std::function<void(QWidget& mainWindow)>& beforeShow)
{
#if defined(__GLIBC__)
    // One memory arena for the whole process, set before the first thread starts. glibc would give the font
    // configuration's reader an arena of its own and leave the memory it frees resident there, out of the main
    // thread's reach (about 0.1 MiB); the program's other threads only wait on the display and allocate little.
    mallopt(M_ARENA_MAX, 1);
#endif
    FontConfigurationLoad fontConfiguration;
    QApplication application(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Brellin"));
    // Every window's icon, and the menu entry (corvanta.desktop) that desktops match the running program to.
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("corvanta"));
    installRegionalSettings(finance::systemRegionalSettings());

    SettingsFirstRunStore firstRun;
    fontConfiguration.wait();
    TForm1 mainWindow(firstRun);
    TForm5 prepaymentWindow;
    TAmortSch scheduleWindow;
    mainWindow.loanPage()->setPrepaymentWindow(&prepaymentWindow);

    if (beforeShow)
        beforeShow(mainWindow);
    mainWindow.show();
    return QApplication::exec();
}

} // namespace app
