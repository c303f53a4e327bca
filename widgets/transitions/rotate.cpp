#include "widgets/transitions/frame.h"

#include <cmath>

namespace transitions {

namespace {

constexpr double fullTurn = 6.283185307179586;

// The moving picture, turned by `angle` (clockwise on screen when positive)
// and scaled by `scale` about the centre, over the still one. Each frame
// pixel maps back to the moving picture's pixel under its centre; along a
// row that position moves by a fixed step, so the trigonometry is done once
// per frame.
void paintTurned(const FrameView& frame, const std::uint32_t* moving, const std::uint32_t* still,
                 double angle, double scale) {
    const std::size_t count = static_cast<std::size_t>(frame.width) * frame.height;
    if (scale < 1e-6) {
        std::memcpy(frame.out, still, count * sizeof *frame.out);
        return;
    }
    const double width = frame.width;
    const double height = frame.height;
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    const double cosine = std::cos(angle) / scale;
    const double sine = std::sin(angle) / scale;
    const double dx0 = 0.5 - cx;
    for (int y = 0; y < frame.height; ++y) {
        const double dy = y + 0.5 - cy;
        const double u0 = cx + cosine * dx0 + sine * dy;
        const double v0 = cy - sine * dx0 + cosine * dy;
        const std::size_t rowStart = static_cast<std::size_t>(y) * frame.width;
        std::uint32_t* out = frame.out + rowStart;
        const std::uint32_t* behind = still + rowStart;
        for (int x = 0; x < frame.width; ++x) {
            const double u = u0 + cosine * x;
            const double v = v0 - sine * x;
            if (u >= 0.0 && u < width && v >= 0.0 && v < height)
                out[x] = moving[static_cast<std::size_t>(static_cast<int>(v)) * frame.width +
                                static_cast<int>(u)];
            else
                out[x] = behind[x];
        }
    }
}

} // namespace

// Spinning in, the new picture grows from nothing while unwinding one full
// turn; spinning out, the old one shrinks to nothing while making one.
void paintRotate(const FrameView& frame, const Effect& effect, double progress) {
    const double sense = effect.direction == Direction::CounterClockwise ? -1.0 : 1.0;
    if (effect.variant == Variant::SpinIn)
        paintTurned(frame, frame.to, frame.from, -sense * (1.0 - progress) * fullTurn, progress);
    else
        paintTurned(frame, frame.from, frame.to, sense * progress * fullTurn, 1.0 - progress);
}

} // namespace transitions
