// The test program of the windows: one QApplication, no display, the recorder for every dialog,
// United States regional settings and settings kept apart from the developer's own.
#include "RecordingDialogs.h"
#include "RegionalPresets.h"
#include "fields/Regional.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta"));
    QApplication::setOrganizationName(QStringLiteral("Brellin"));
    app::installRegionalSettings(unitedStatesSettings());
    app::installDialogs(&recordedDialogs());

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
