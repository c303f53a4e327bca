#pragma once
// Pictures whose pixels say where they came from: red tells the old
// picture (0x10) from the new one (0xE0), green is the column and blue the
// row, so a frame pixel names its source picture and position.
#include "imaging/picture.h"
#include "widgets/transitions/effects.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace transitions::testing {

constexpr std::uint32_t oldRed = 0x10;
constexpr std::uint32_t newRed = 0xE0;

inline std::uint32_t markedPixel(std::uint32_t red, int x, int y) {
    return 0xFF000000u | red << 16 | static_cast<std::uint32_t>(x & 0xFF) << 8 |
           static_cast<std::uint32_t>(y & 0xFF);
}

inline imaging::Picture marked(std::uint32_t red, int width, int height) {
    imaging::Picture p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.pixels.push_back(markedPixel(red, x, y));
    return p;
}

inline imaging::Picture filled(int width, int height, std::uint32_t colour) {
    imaging::Picture p;
    p.width = width;
    p.height = height;
    p.pixels.assign(static_cast<std::size_t>(width) * height, colour);
    return p;
}

inline std::uint32_t at(const imaging::Picture& p, int x, int y) {
    return p.pixels.at(static_cast<std::size_t>(y) * p.width + x);
}

inline std::uint32_t redOf(std::uint32_t pixel) {
    return pixel >> 16 & 0xFF;
}

inline const Effect& effectNamed(const std::string& name) {
    for (std::size_t i = 0; i < effectCount(); ++i)
        if (name == effectAt(i).name)
            return effectAt(i);
    throw std::invalid_argument("no effect named " + name);
}

} // namespace transitions::testing
