#include "shell/Regional.h"

namespace app {
namespace {
finance::RegionalSettings installed;
}

const finance::RegionalSettings& regional()
{
    return installed;
}

void installRegionalSettings(const finance::RegionalSettings& settings)
{
    installed = settings;
}

} // namespace app
