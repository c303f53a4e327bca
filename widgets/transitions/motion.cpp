#include "widgets/transitions/frame.h"

namespace transitions {

namespace {

struct Offset {
    int x;
    int y;
};

// Puts the row `source`, moved right by `dx`, into `row` where the two
// overlap.
void placeRow(std::uint32_t* row, const std::uint32_t* source, int dx, int width) {
    int x0 = std::max(0, dx);
    int x1 = std::min(width, width + dx);
    if (x0 < x1)
        std::memcpy(row + x0, source + (x0 - dx), static_cast<std::size_t>(x1 - x0) * sizeof *row);
}

// Draws the old picture at `fromAt` and the new one over it at `toAt`;
// whatever neither covers is black.
void paintMoved(const FrameView& frame, Offset fromAt, Offset toAt) {
    for (int y = 0; y < frame.height; ++y) {
        std::uint32_t* row = frame.outRow(y);
        std::fill_n(row, frame.width, 0xFF000000u);
        int fromY = y - fromAt.y;
        if (fromY >= 0 && fromY < frame.height)
            placeRow(row, frame.fromRow(fromY), fromAt.x, frame.width);
        int toY = y - toAt.y;
        if (toY >= 0 && toY < frame.height)
            placeRow(row, frame.toRow(toY), toAt.x, frame.width);
    }
}

// Where the new picture stands: a whole picture back against the direction
// of travel at the start, home at the end.
Offset incoming(const FrameView& frame, Step step, double progress) {
    return {-step.dx * (frame.width - sweptCount(progress, frame.width)),
            -step.dy * (frame.height - sweptCount(progress, frame.height))};
}

} // namespace

void paintSlide(const FrameView& frame, const Effect& effect, double progress) {
    paintMoved(frame, {0, 0}, incoming(frame, stepOf(effect.direction), progress));
}

void paintPush(const FrameView& frame, const Effect& effect, double progress) {
    Step step = stepOf(effect.direction);
    Offset toAt = incoming(frame, step, progress);
    paintMoved(frame, {toAt.x + step.dx * frame.width, toAt.y + step.dy * frame.height}, toAt);
}

} // namespace transitions
