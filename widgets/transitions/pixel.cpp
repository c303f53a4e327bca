#include "widgets/transitions/frame.h"

#include <cmath>

namespace transitions {

namespace {

// A fixed pseudo-random rank in [0, 65536) for a pixel or block: the frame
// shows the new picture where the rank is below progress × 65536, so a
// pixel once turned stays turned and the order looks random.
std::uint32_t rank(std::uint32_t x, std::uint32_t y) {
    std::uint32_t h = x * 0x9E3779B1u ^ (y * 0x85EBCA77u + 0x165667B1u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h >> 16;
}

// Blocks side 1 is the pixel dissolve.
void dissolve(const FrameView& frame, int block, double progress) {
    const std::uint32_t limit = static_cast<std::uint32_t>(progress * 65536.0);
    for (int y = 0; y < frame.height; ++y) {
        const std::uint32_t* from = frame.fromRow(y);
        const std::uint32_t* to = frame.toRow(y);
        std::uint32_t* out = frame.outRow(y);
        const std::uint32_t blockY = static_cast<std::uint32_t>(y / block);
        for (int x = 0; x < frame.width; ++x)
            out[x] = rank(static_cast<std::uint32_t>(x / block), blockY) < limit ? to[x] : from[x];
    }
}

// The old picture coarsens into blocks up to halfway, then the new one
// comes back from equally coarse blocks to full detail. Each block takes
// the colour of the pixel at its centre.
void mosaic(const FrameView& frame, double progress) {
    const int largest = std::max(1, frame.width / 20);
    const double coarseness = 1.0 - std::fabs(progress * 2.0 - 1.0);
    const int block = 1 + static_cast<int>((largest - 1) * coarseness + 0.5);
    const std::uint32_t* source = progress < 0.5 ? frame.from : frame.to;
    for (int y = 0; y < frame.height; ++y) {
        const int sampleY = std::min(y / block * block + block / 2, frame.height - 1);
        const std::uint32_t* sampleRow = source + static_cast<std::size_t>(sampleY) * frame.width;
        std::uint32_t* out = frame.outRow(y);
        for (int x0 = 0; x0 < frame.width; x0 += block) {
            const std::uint32_t colour = sampleRow[std::min(x0 + block / 2, frame.width - 1)];
            std::fill(out + x0, out + std::min(x0 + block, frame.width), colour);
        }
    }
}

} // namespace

void paintPixels(const FrameView& frame, const Effect& effect, double progress) {
    switch (effect.variant) {
    case Variant::Blocks:
        return dissolve(frame, std::max(1, (frame.width + 39) / 40), progress);
    case Variant::Mosaic:
        return mosaic(frame, progress);
    default:
        return dissolve(frame, 1, progress);
    }
}

} // namespace transitions
