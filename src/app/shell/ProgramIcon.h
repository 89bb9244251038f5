#pragma once

#include <QIcon>
#include <array>

namespace app {

// The sizes the icon is drawn in, as the PNGs in packaging/icons that desktops install too.
inline constexpr std::array programIconSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

// The program's own icon: a title bar, task bar or menu takes the picture drawn for its size.
QIcon programIcon();

} // namespace app
