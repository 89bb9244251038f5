#pragma once

#include <cstdint>
#include <span>

namespace shell {

// One picture of the program icon: size x size pixels, row by row, each premultiplied ARGB.
struct IconPicture
{
    int size;
    const std::uint32_t* pixels;
};

// The icon's pictures from the smallest to the largest, decoded from its PNGs when the program was built.
std::span<const IconPicture> programIconPictures();

} // namespace shell
