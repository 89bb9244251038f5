// Corvanta's entry point: application title, regional settings, the start-up windows, the event loop.
#include "ApplicationTitle.h"
#include "FinCal.h"
#include "FirstRunStore.h"
#include "LoanPage.h"
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
    shell::installRegionalSettings(finance::systemRegionalSettings());

    shell::SettingsFirstRunStore firstRun;
    TForm1 mainWindow(firstRun);
    TForm5 prepaymentWindow;
    TAmortSch scheduleWindow;
    mainWindow.loanPage()->setPrepaymentWindow(&prepaymentWindow);

    mainWindow.show();
    return QApplication::exec();
}
