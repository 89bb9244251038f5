#include "printing/PrintedPictureSize.h"

#include <stdexcept>

namespace app {
namespace {

int scaled(int pixels, int printerDpi, int screenDpi)
{
    // Rounded to the nearest dot, halves away from zero, in integers so nothing is lost on the way.
    const long long numerator = 2LL * pixels * printerDpi;
    const long long denominator = 2LL * screenDpi;
    return static_cast<int>((numerator + screenDpi) / denominator);
}

} // namespace

QSize printedPictureSize(QSize pixels, Resolution printer, Resolution screen)
{
    if (screen.x <= 0 || screen.y <= 0)
        throw std::runtime_error("The screen reports no resolution");
    return { scaled(pixels.width(), printer.x, screen.x), scaled(pixels.height(), printer.y, screen.y) };
}

} // namespace app
