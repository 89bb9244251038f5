#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace app {

// Moves the controls of a page built inside a window to the place in the window's focus chain that the page
// itself holds, so that Tab walks them where it would have had they been built with the page.
void placeInFocusChain(QWidget& page);

// A page whose controls can be built later than the widget itself.
class Buildable
{
public:
    // Builds the controls now, unless they are built already.
    virtual void ensureBuilt() = 0;
    // Calls the function once the controls are built: now if they are.
    virtual void whenBuilt(std::function<void()> call) = 0;

protected:
    Buildable() = default;
    Buildable(const Buildable&) = default;
    Buildable& operator=(const Buildable&) = default;
    ~Buildable() = default;
};

// A page that builds its controls from its window description the first time it is shown, not when it is
// created: start-up then pays only for the page on screen, and the four hidden pages cost next to nothing
// until their tab is chosen (about 50 ms less to the first window). Nothing that the user sees differs,
// since nobody sees a control before its page is shown. Windows are built when created: built late, the
// hidden prepayment window saved about 2 ms of processor time, under 5 ms to the first window.
template <typename Widget>
class BuiltOnFirstShow : public Widget, public Buildable
{
public:
    using Widget::Widget;

    void setVisible(bool visible) override
    {
        if (visible)
            ensureBuilt();
        Widget::setVisible(visible);
    }

    void ensureBuilt() final
    {
        if (built)
            return;
        built = true;
        buildControls();
        if (!this->isWindow())
            placeInFocusChain(*this);
        for (const auto& call : std::exchange(builtCalls, {}))
            call();
    }

    void whenBuilt(std::function<void()> call) final
    {
        if (built)
            call();
        else
            builtCalls.push_back(std::move(call));
    }

protected:
    // Loads the window description and wires the handlers; runs once.
    virtual void buildControls() = 0;

private:
    bool built = false;
    std::vector<std::function<void()>> builtCalls;
};

// The controls of a page that builds them when first shown. They do not exist before ensureBuilt():
// reaching them earlier stops a debug build at once, where a release build would follow a null pointer.
template <typename Controls>
class BuiltControls
{
public:
    // Called once, by buildControls().
    void create() { controls = std::make_unique<Controls>(); }

    Controls* operator->() const
    {
        Q_ASSERT_X(controls, "BuiltControls", "a control was used before its page or window was built");
        return controls.get();
    }

private:
    std::unique_ptr<Controls> controls;
};

// Builds root and every page under it that is still unbuilt, for whoever looks controls up by
// name before they are shown (tests, the picture driver, the benchmarks).
void buildAll(QWidget& root);

} // namespace app
