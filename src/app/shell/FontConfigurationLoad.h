#pragma once

#include <thread>

namespace app {

// Reads the system's font configuration on a thread of its own. The configuration (fontconfig's, read the
// first time any text is measured) takes as long as connecting to the display, and needs nothing from it,
// so the two overlap: start this before the application object, and wait for it before the first window.
class FontConfigurationLoad
{
public:
    FontConfigurationLoad();
    ~FontConfigurationLoad();
    FontConfigurationLoad(const FontConfigurationLoad&) = delete;
    FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

    // Returns once the configuration has been read; at once when it already has.
    void wait();

private:
    std::thread reader;
};

} // namespace app
