#include "session/ScenarioFiles.h"

#include "dialogs/Dialogs.h"
#include "fields/Regional.h"
#include "scenario/ScenarioFile.h"
#include "session/TypedState.h"
#include "widgets/GridCsv.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QWidget>
#include <variant>

namespace app {

namespace {

const auto fileFilter = QStringLiteral("Corvanta scenarios (*.corvanta)");
const auto recentKey = QStringLiteral("recentScenarios");
constexpr qsizetype mostRecent = 6;

QSettings recentStore()
{
    return QSettings(QStringLiteral("Brellin"), QStringLiteral("Corvanta"));
}

} // namespace

ScenarioFiles::ScenarioFiles(QWidget& window, TypedState& state)
    : QObject(&window)
    , window(window)
    , state(state)
    , title(window.windowTitle())
{
    state.whenChanged([this] { changed(); });
}

void ScenarioFiles::newScenario()
{
    if (!mayLeave())
        return;
    beforeNew = state.current();
    pathBeforeNew = path;
    state.replace({});
    setOpen({});
}

void ScenarioFiles::undoNew()
{
    if (!beforeNew)
        return;
    state.replace(*beforeNew);
    const QString reopened = pathBeforeNew;
    beforeNew.reset();
    setOpen(reopened);
}

void ScenarioFiles::open()
{
    if (!mayLeave())
        return;
    const QString chosen = dialogs().chooseOpenFile(&window, QStringLiteral("Open Scenario"), fileFilter);
    if (!chosen.isEmpty())
        openFile(chosen);
}

bool ScenarioFiles::openFile(const QString& file)
{
    const auto read = scenario::readScenarioFile(file.toStdString(), regional());
    // A file refused changes nothing in the windows.
    if (const auto* refused = std::get_if<scenario::ScenarioError>(&read)) {
        dialogs().warning(&window,
            QStringLiteral("The scenario \"%1\" could not be opened: %2")
                .arg(file, QString::fromStdString(refused->message)));
        return false;
    }
    const auto& accepted = std::get<scenario::ReadScenario>(read);
    state.replace(accepted.scenario);
    beforeNew.reset();
    setOpen(file);
    remember(file);
    if (!accepted.notices.empty()) {
        QStringList notices;
        for (const std::string& notice : accepted.notices)
            notices.append(QString::fromStdString(notice));
        dialogs().information(&window, QStringLiteral("\"%1\": %2").arg(file, notices.join(u' ')));
    }
    return true;
}

bool ScenarioFiles::save()
{
    return path.isEmpty() ? saveAs() : writeTo(path);
}

bool ScenarioFiles::saveAs()
{
    const QString suggested
        = path.isEmpty() ? QStringLiteral("Corvanta Scenario.corvanta") : QFileInfo(path).fileName();
    const QString chosen = dialogs().chooseSaveFile(&window, QStringLiteral("Save Scenario As"), suggested, fileFilter);
    return !chosen.isEmpty() && writeTo(chosen);
}

bool ScenarioFiles::mayLeave()
{
    if (!unsaved || path.isEmpty())
        return true;
    switch (dialogs().askAboutUnsaved(
        &window, QStringLiteral("The scenario \"%1\" has changes that are not saved. Save them?").arg(path))) {
    case Dialogs::Unsaved::Save:
        return save();
    case Dialogs::Unsaved::Discard:
        return true;
    case Dialogs::Unsaved::Cancel:
        break;
    }
    return false;
}

QStringList ScenarioFiles::recentFiles() const
{
    return recentStore().value(recentKey).toStringList();
}

void ScenarioFiles::fillRecentMenu(QMenu& menu)
{
    menu.clear();
    const QStringList files = recentFiles();
    for (const QString& file : files) {
        // The file's name as the item's text, never read for a keyboard letter.
        QAction* item = menu.addAction(QString(file).replace(u'&', QStringLiteral("&&")));
        connect(item, &QAction::triggered, this, [this, file] {
            if (mayLeave())
                openFile(file);
        });
    }
    menu.setEnabled(!files.isEmpty());
}

bool ScenarioFiles::writeTo(const QString& target)
{
    QString reason;
    const std::string bytes = scenario::writeScenario(state.current(), regional(), CORVANTA_VERSION);
    if (!saveFileWhole(target, QByteArray::fromStdString(bytes), reason)) {
        dialogs().warning(&window,
            QStringLiteral("The scenario \"%1\" could not be saved: %2. Any earlier file of that name is unchanged.")
                .arg(target, reason));
        return false;
    }
    setOpen(target);
    remember(target);
    return true;
}

void ScenarioFiles::setOpen(const QString& opened)
{
    path = opened;
    unsaved = false;
    showTitle();
}

void ScenarioFiles::remember(const QString& file)
{
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    recentStore().setValue(recentKey, files.mid(0, mostRecent));
}

void ScenarioFiles::showTitle()
{
    // "[*]" is where the desktop's usual mark of a changed document goes.
    window.setWindowTitle(path.isEmpty() ? title : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + title);
    window.setWindowModified(unsaved && !path.isEmpty());
}

void ScenarioFiles::changed()
{
    // Typing after New is a new start: its undo would lose it.
    beforeNew.reset();
    unsaved = true;
    showTitle();
}

} // namespace app
