#pragma once

#include <cstdint>
#include <span>

namespace shell {

// One picture of the program icon, size x size premultiplied ARGB pixels, as runs: pairs of a count and the
// pixel repeated that many times, row after row.
struct IconPicture
{
    int size;
    std::span<const std::uint32_t> runs;
};

// The icon's pictures from the smallest to the largest, decoded from its PNGs when the program was built.
std::span<const IconPicture> programIconPictures();

} // namespace shell
