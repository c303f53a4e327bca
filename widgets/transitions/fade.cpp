#include "widgets/transitions/frame.h"

namespace transitions {

namespace {

// a × q + b × (256 − q), / 256, for all four channels at once: red and blue
// in one word, alpha and green in the other, each with 8 spare bits between.
std::uint32_t blend(std::uint32_t a, std::uint32_t b, std::uint32_t q) {
    std::uint32_t r = 256 - q;
    std::uint32_t rb = ((a & 0x00FF00FF) * q + (b & 0x00FF00FF) * r) >> 8 & 0x00FF00FF;
    std::uint32_t ag = ((a >> 8 & 0x00FF00FF) * q + (b >> 8 & 0x00FF00FF) * r) & 0xFF00FF00;
    return rb | ag;
}

std::uint32_t weight(double share) {
    return static_cast<std::uint32_t>(share * 256.0 + 0.5);
}

void blendPictures(const FrameView& frame, double progress) {
    const std::uint32_t q = weight(progress);
    const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
    for (std::size_t i = 0; i < count; ++i)
        frame.out[i] = blend(frame.to[i], frame.from[i], q);
}

// First half: the old picture towards `colour`; second half: from `colour`
// to the new picture.
void blendThrough(const FrameView& frame, double progress, std::uint32_t colour) {
    const bool first = progress < 0.5;
    const std::uint32_t* source = first ? frame.from : frame.to;
    const std::uint32_t q = first ? weight(progress * 2.0) : weight(2.0 - progress * 2.0);
    const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
    for (std::size_t i = 0; i < count; ++i)
        frame.out[i] = blend(colour, source[i], q);
}

} // namespace

void paintFade(const FrameView& frame, const Effect& effect, double progress) {
    switch (effect.variant) {
    case Variant::ThroughBlack:
        return blendThrough(frame, progress, 0xFF000000);
    case Variant::ThroughWhite:
        return blendThrough(frame, progress, 0xFFFFFFFF);
    default:
        return blendPictures(frame, progress);
    }
}

} // namespace transitions
