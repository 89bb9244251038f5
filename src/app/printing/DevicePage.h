#pragma once

#include <QString>
#include <vector>

namespace app {

// A text placed on a printed page: its top-left corner at (x, y) in printer device units, measured
// from the top-left corner of the printable area; a right-aligned text ends at x instead.
struct DeviceText
{
    int x;
    int y;
    QString text;
    bool rightAligned = false;

    bool operator==(const DeviceText&) const = default;
};

using DevicePage = std::vector<DeviceText>;

} // namespace app
