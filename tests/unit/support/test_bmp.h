#pragma once
// The smallest well-formed bitmap files, for previews in the tests.
#include <cstdint>
#include <vector>

namespace fake {

// A 24-bit bottom-up BMP of the given size, every pixel one grey.
inline std::vector<std::uint8_t> makeBmp(int width, int height) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    const std::uint32_t fileSize = 14 + 40 + pixelBytes;
    std::vector<std::uint8_t> bmp;
    const auto u16 = [&](std::uint32_t v) {
        bmp.push_back(v & 0xFF);
        bmp.push_back((v >> 8) & 0xFF);
    };
    const auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    bmp.push_back('B');
    bmp.push_back('M');
    u32(fileSize);
    u32(0);
    u32(14 + 40);
    u32(40);
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(height));
    u16(1);
    u16(24);
    u32(0);
    u32(pixelBytes);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    bmp.resize(fileSize, 0x80);
    return bmp;
}

} // namespace fake
