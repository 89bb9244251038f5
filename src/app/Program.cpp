#include "Program.h"

#include "ApplicationTitle.h"
#include "FinCal.h"
#include "FirstRunStore.h"
#include "FontConfigurationLoad.h"
#include "LoanPage.h"
#include "ProgramIcon.h"
#include "Regional.h"
#include "RegionalSettings.h"
#include "Unit3.h"
#include "Unit5.h"

#include <QApplication>

namespace shell {

int runProgram(int& argc, char* argv[], const std::function<void(QWidget& mainWindow)>& beforeShow)
{
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

} // namespace shell
