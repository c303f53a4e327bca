#include "imaging/premultiply.h"

#include <cstdint>

namespace imaging {

namespace {

// c * a / 255 rounded to nearest, exact for all 8-bit inputs.
std::uint32_t scale(std::uint32_t c, std::uint32_t a) {
    std::uint32_t t = c * a + 128;
    return (t + (t >> 8)) >> 8;
}

} // namespace

void premultiply(Picture& picture) {
    if (picture.premultiplied)
        return;
    for (std::uint32_t& p : picture.pixels) {
        std::uint32_t a = p >> 24;
        if (a == 255)
            continue;
        p = a << 24 | scale(p >> 16 & 0xFF, a) << 16 | scale(p >> 8 & 0xFF, a) << 8 |
            scale(p & 0xFF, a);
    }
    picture.premultiplied = true;
}

} // namespace imaging
