#include "shell/FontConfigurationLoad.h"

#include <fontconfig/fontconfig.h>

namespace app {

// fontconfig keeps one configuration for the process and lets threads race to read it: a text measured on
// the main thread before wait() would read it a second time, never wrongly, so wait() is a matter of speed.
FontConfigurationLoad::FontConfigurationLoad()
    : reader([] { FcInit(); })
{ }

FontConfigurationLoad::~FontConfigurationLoad()
{
    wait();
}

void FontConfigurationLoad::wait()
{
    if (reader.joinable())
        reader.join();
}

} // namespace app
