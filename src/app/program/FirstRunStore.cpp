#include "program/FirstRunStore.h"

#include <QSettings>

namespace app {
namespace {
const auto startedBeforeKey = QStringLiteral("StartedBefore");

QSettings userSettings()
{
    return QSettings(QStringLiteral("Brellin"), QStringLiteral("Corvanta"));
}
} // namespace

bool SettingsFirstRunStore::hasRunBefore() const
{
    return userSettings().value(startedBeforeKey, false).toBool();
}

void SettingsFirstRunStore::rememberRun()
{
    auto settings = userSettings();
    settings.setValue(startedBeforeKey, true);
    settings.sync();
}

bool ReturningUserStore::hasRunBefore() const
{
    return true;
}

void ReturningUserStore::rememberRun() { }

} // namespace app
