#pragma once
// What every effect painter works on: the old and the new picture and the
// frame being drawn, all of one size, as raw rows. renderFrame has already
// handled the end points, so painters see 0 < progress < 1.
#include "widgets/transitions/effect.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace transitions {

struct FrameView {
    const std::uint32_t* from;
    const std::uint32_t* to;
    std::uint32_t* out;
    int width;
    int height;

    const std::uint32_t* fromRow(int y) const { return from + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* toRow(int y) const { return to + static_cast<std::size_t>(y) * width; }
    std::uint32_t* outRow(int y) const { return out + static_cast<std::size_t>(y) * width; }
};

// Copies pixels [x0, x1) of `source` into the same columns of `row`; the
// span is clamped to the picture, so callers may pass shapes that overhang.
inline void copySpan(std::uint32_t* row, const std::uint32_t* source, int x0, int x1, int width) {
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width);
    if (x0 < x1)
        std::memcpy(row + x0, source + x0, static_cast<std::size_t>(x1 - x0) * sizeof *row);
}

// How many of `length` positions a sweep at `progress` has uncovered:
// position i is uncovered once i < progress × length, so the count only grows.
inline int sweptCount(double progress, int length) {
    double reach = progress * length;
    int count = static_cast<int>(reach);
    if (count < reach)
        ++count;
    return std::clamp(count, 0, length);
}

// The on-screen step of a direction: x grows to the right, y downwards.
struct Step {
    int dx;
    int dy;
};

inline Step stepOf(Direction direction) {
    switch (direction) {
    case Direction::Left:
        return {-1, 0};
    case Direction::Right:
        return {1, 0};
    case Direction::Up:
        return {0, -1};
    case Direction::Down:
        return {0, 1};
    case Direction::UpLeft:
        return {-1, -1};
    case Direction::UpRight:
        return {1, -1};
    case Direction::DownLeft:
        return {-1, 1};
    case Direction::DownRight:
        return {1, 1};
    default:
        return {0, 0};
    }
}

void paintFade(const FrameView& frame, const Effect& effect, double progress);
void paintSlide(const FrameView& frame, const Effect& effect, double progress);
void paintPush(const FrameView& frame, const Effect& effect, double progress);
void paintWipe(const FrameView& frame, const Effect& effect, double progress);
void paintBlinds(const FrameView& frame, const Effect& effect, double progress);
void paintChecker(const FrameView& frame, const Effect& effect, double progress);
void paintPixels(const FrameView& frame, const Effect& effect, double progress);
void paintShape(const FrameView& frame, const Effect& effect, double progress);
void paintRotate(const FrameView& frame, const Effect& effect, double progress);

} // namespace transitions
