// Corvanta's entry point: application title, regional settings, the start-up windows, the event loop.
#include "ApplicationTitle.h"
#include "FinCal.h"
#include "FirstRunStore.h"
#include "LoanPage.h"
#include "ProgramIcon.h"
#include "Regional.h"
#include "RegionalSettings.h"
#include "Unit3.h"
#include "Unit5.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(shell::applicationTitle());
    QApplication::setOrganizationName(QStringLiteral("Brellin"));
    // Every window's icon, and the menu entry (corvanta.desktop) that desktops match the running program to.
    QApplication::setWindowIcon(shell::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("corvanta"));
    shell::installRegionalSettings(finance::systemRegionalSettings());

    shell::SettingsFirstRunStore firstRun;
    TForm1 mainWindow(firstRun);
    TForm5 prepaymentWindow;
    TAmortSch scheduleWindow;
    mainWindow.loanPage()->setPrepaymentWindow(&prepaymentWindow);

    mainWindow.show();
    return QApplication::exec();
}
