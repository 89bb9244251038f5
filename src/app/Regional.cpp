#include "Regional.h"

namespace shell {
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

} // namespace shell
