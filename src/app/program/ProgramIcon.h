#pragma once

#include <QIcon>
#include <array>

namespace app {

// The sizes a window shows its icon in, from the PNGs in packaging/icons. Qt decodes every picture as the icon
// is made: the 128 and 256 pixel ones, which desktops take from the installed icon theme instead, would cost
// 20 M instructions (about 8 ms) at every start.
inline constexpr std::array programIconSizes { 16, 22, 24, 32, 48, 64 };

// The program's own icon: a title bar, task bar or menu takes the picture drawn for its size.
QIcon programIcon();

} // namespace app
