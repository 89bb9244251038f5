#include "session/TypedState.h"

#include "dialogs/ApplicationTitle.h"
#include "fields/Regional.h"
#include "scenario/ScenarioFile.h"
#include "widgets/GridCsv.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <utility>
#include <variant>

namespace app {

namespace {

// The changes of half a second go into one write, so that what was typed is on disk well within a second.
constexpr int writeDelayMs = 500;

} // namespace

TypedState::TypedState(QString path, QObject* parent)
    : QObject(parent)
    , file(std::move(path))
{
    writeSoon.setSingleShot(true);
    writeSoon.setInterval(writeDelayMs);
    connect(&writeSoon, &QTimer::timeout, this, [this] { flush(); });
}

TypedState::~TypedState()
{
    flush();
}

std::optional<QString> TypedState::load()
{
    if (!QFileInfo::exists(file))
        return std::nullopt;
    const auto read = scenario::readScenarioFile(file.toStdString(), regional());
    if (const auto* refused = std::get_if<scenario::ScenarioError>(&read)) {
        // The file is kept for whoever wants to look into it; the next write must not replace it.
        const QString aside = file + QStringLiteral(".unread-")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const bool setAside = QFile::rename(file, aside);
        return QStringLiteral("The last session's typing in \"%1\" could not be read: %2 %3 %4 starts with the "
                              "designed values.")
            .arg(file, QString::fromStdString(refused->message),
                setAside ? QStringLiteral("The file was kept as \"%1\", and").arg(aside)
                         : QStringLiteral("The file could not be set aside either, and"),
                applicationTitle());
    }
    const auto& accepted = std::get<scenario::ReadScenario>(read);
    kept = accepted.scenario;
    if (accepted.notices.empty())
        return std::nullopt;
    QStringList notices;
    for (const std::string& notice : accepted.notices)
        notices.append(QString::fromStdString(notice));
    return QStringLiteral("The last session's typing in \"%1\" was written by a newer version: %2")
        .arg(file, notices.join(u' '));
}

void TypedState::attach(std::vector<TypedSection> sections, QWidget* window)
{
    showing = true;
    for (const TypedSection& section : sections) {
        designed.insert_or_assign(std::string(section.name), typedTexts(section.fields));
        if (const auto found = kept.sections.find(section.name); found != kept.sections.end())
            showTypedTexts(section.fields, found->second);
        watchTypedFields(section.fields, window, [this] { changed(); });
    }
    showing = false;
    window->installEventFilter(this);
    attached.push_back({ std::move(sections), window });
}

void TypedState::setWindowText(const std::string& name, const std::string& text)
{
    if (windowText(name) == text)
        return;
    kept.window.insert_or_assign(name, text);
    // The page shown is kept, but is no change to what was typed.
    unwritten = true;
    writeSoon.start();
}

std::string TypedState::windowText(const std::string& name) const
{
    const auto found = kept.window.find(name);
    return found == kept.window.end() ? std::string() : found->second;
}

scenario::Scenario TypedState::current()
{
    gather();
    return kept;
}

void TypedState::replace(const scenario::Scenario& shown)
{
    showing = true;
    for (const Attached& each : attached) {
        if (!each.window)
            continue;
        for (const TypedSection& section : each.sections) {
            showTypedTexts(section.fields, designed.at(std::string(section.name)));
            if (const auto found = shown.sections.find(section.name); found != shown.sections.end())
                showTypedTexts(section.fields, found->second);
        }
    }
    showing = false;
    kept = shown;
    gather();
    unwritten = true;
    writeSoon.start();
}

scenario::Scenario TypedState::defaults() const
{
    scenario::Scenario none;
    for (const auto& [name, texts] : designed)
        none.sections.insert_or_assign(name, texts);
    return none;
}

bool TypedState::flush(QString* reason)
{
    gather();
    writeSoon.stop();
    if (!unwritten)
        return true;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QString failure;
    if (!saveFileWhole(
            file, QByteArray::fromStdString(scenario::writeScenario(kept, regional(), CORVANTA_VERSION)), failure)) {
        if (reason)
            *reason = failure;
        return false;
    }
    unwritten = false;
    return true;
}

bool TypedState::eventFilter(QObject* watched, QEvent* event)
{
    // A window that closes is written at once: the program may be about to end.
    if (event->type() == QEvent::Close && watched->isWidgetType())
        flush();
    return false;
}

void TypedState::changed()
{
    if (showing)
        return;
    unwritten = true;
    writeSoon.start();
    for (const auto& call : changeCalls)
        call();
}

void TypedState::gather()
{
    for (const Attached& each : attached)
        if (each.window)
            for (const TypedSection& section : each.sections)
                kept.sections.insert_or_assign(std::string(section.name), typedTexts(section.fields));
}

QString typedStatePath()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path is no base, as the desktop's rules have it.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/corvanta/last-session.corvanta");
}

} // namespace app
