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

// A user who has run the program before: no welcome, and nothing remembered. The store of the tests, the
// benchmarks and the picture driver, which must neither wait for the welcome nor touch the user's settings.
class ReturningUserStore final : public FirstRunStore
{
public:
    bool hasRunBefore() const override;
    void rememberRun() override;
};

} // namespace app
