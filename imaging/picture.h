#pragma once
// The one picture type of the program: what every decoder produces and every
// widget draws. Portable; imaging/picture_win.cpp turns it into a DIB section.
#include <cstdint>
#include <vector>

namespace imaging {

// 32-bit pixels, top-down rows, no padding: row y starts at pixels[y * width].
// Each pixel is B, G, R, A in memory order (0xAARRGGBB as a little-endian
// uint32_t), the layout of a 32-bit top-down DIB. Once `premultiplied` is
// set, colour channels have been multiplied by alpha, as AlphaBlend expects.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool premultiplied = false;

    bool empty() const { return width == 0 || height == 0; }
};

} // namespace imaging
