#pragma once

#include "fields/TypedFields.h"
#include "scenario/Scenario.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace app {

// What the user typed in every window, kept in a file as a scenario: written half a second after the last change
// and whenever a window closes, each time as a whole new file that replaces the old one, so that a crash or a power
// cut loses at most that half second and never leaves a broken file. A window's sections are shown as kept once its
// controls exist; a section no window has shown yet stays as it was read.
class TypedState final : public QObject
{
public:
    explicit TypedState(QString path, QObject* parent = nullptr);
    ~TypedState() override;

    // Reads the file. One that cannot be read (damaged, of a newer version, unreadable) is set aside under a new
    // name and the state starts empty; the sentence returned says so, naming both files. A missing file is no
    // failure: the program starts on its designed defaults.
    std::optional<QString> load();

    // A window whose controls exist: its sections show what was kept (what it leaves out keeps the designed
    // defaults), and every change is kept from then on. The window is watched for closing.
    void attach(std::vector<TypedSection> sections, QWidget* window);

    // Called whenever the user changes a field (not when a scenario is shown).
    void whenChanged(std::function<void()> call) { changeCalls.push_back(std::move(call)); }

    // A text of the program's own, such as the page shown.
    void setWindowText(const std::string& name, const std::string& text);
    std::string windowText(const std::string& name) const;

    // The scenario as the windows show it.
    scenario::Scenario current();
    // Shows the scenario in every window attached, the designed defaults where it leaves a section out, and keeps
    // it; what no window shows yet waits for it.
    void replace(const scenario::Scenario& shown);
    // The designed defaults everywhere.
    scenario::Scenario defaults() const;

    // Writes the file now when anything changed since it was last written; false, with the reason, when the write
    // failed (the old file is then as it was).
    bool flush(QString* reason = nullptr);

    const QString& path() const { return file; }

private:
    struct Attached
    {
        std::vector<TypedSection> sections;
        QPointer<QWidget> window;
    };
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changed();
    void gather();

    QString file;
    scenario::Scenario kept;
    std::map<std::string, calculators::FieldTexts, std::less<>> designed; // each attached section's defaults
    std::vector<Attached> attached;
    QTimer writeSoon;
    bool unwritten = false;
    bool showing = false; // changes made while showing a scenario are that scenario's
    std::vector<std::function<void()>> changeCalls;
};

// Where the desktop keeps an application's state: $XDG_STATE_HOME, or ~/.local/state, then the program's folder.
QString typedStatePath();

} // namespace app
