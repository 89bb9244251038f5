#pragma once

namespace app {

// Remembers whether the program has been started on this computer before (for the welcome).
class FirstRunStore
{
public:
    virtual ~FirstRunStore() = default;
    virtual bool hasRunBefore() const = 0;
    virtual void rememberRun() = 0;
};

// The per-user store: QSettings of organisation "Brellin", application "Corvanta".
class SettingsFirstRunStore final : public FirstRunStore
{
public:
    bool hasRunBefore() const override;
    void rememberRun() override;
};

} // namespace app
