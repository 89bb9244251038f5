#pragma once

#include "scenario/Scenario.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QMenu;
class QWidget;

namespace app {

class TypedState;

// The File menu's scenarios: what every window holds saved to a file of the user's and opened from one, the open
// file named in the title bar and marked when changed, a question before changes to it are lost, the files opened
// lately, and New with its one undo.
class ScenarioFiles final : public QObject
{
public:
    // The window's title is kept as the part after the file's name.
    ScenarioFiles(QWidget& window, TypedState& state);

    // The designed values everywhere; the scenario before stays for undoNew.
    void newScenario();
    bool canUndoNew() const { return beforeNew.has_value(); }
    void undoNew();
    // Opens the file the user chooses; or the one given, as from the command line.
    void open();
    bool openFile(const QString& path);
    // Saves to the open file, or asks for one as saveAs does; false when nothing was saved.
    bool save();
    bool saveAs();
    // Whether changes to the open file may go: none, saved, or discarded by the user; false when the user cancels.
    bool mayLeave();

    // The files opened or saved lately, the last first.
    QStringList recentFiles() const;
    void fillRecentMenu(QMenu& menu);

    const QString& openPath() const { return path; }

private:
    bool writeTo(const QString& target);
    void setOpen(const QString& opened);
    void remember(const QString& file);
    void showTitle();
    void changed();

    QWidget& window;
    TypedState& state;
    QString title;
    QString path;
    bool unsaved = false;
    std::optional<scenario::Scenario> beforeNew;
    QString pathBeforeNew;
};

} // namespace app
