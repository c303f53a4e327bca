#include "tools/fontpack/bmp_writer.h"

namespace fontpack {
namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t pixelsPerMetre = 2835; // 72 dpi

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(const imaging::Picture& picture) {
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = stride * height;
    std::vector<std::uint8_t> out;
    out.reserve(fileHeaderSize + infoHeaderSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, fileHeaderSize + infoHeaderSize + pixelBytes);
    put32(out, 0);
    put32(out, fileHeaderSize + infoHeaderSize);
    put32(out, infoHeaderSize);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, pixelBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);
    put32(out, 0);
    for (std::uint32_t y = height; y-- > 0;) {
        const std::uint32_t* row = picture.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
        }
        out.resize(out.size() + (stride - width * 3), 0);
    }
    return out;
}

} // namespace fontpack
