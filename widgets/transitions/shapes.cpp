#include "widgets/transitions/frame.h"

#include <cmath>

namespace transitions {

namespace {

// Grid cells: ten across, square.
constexpr int cellsAcross = 10;

struct Shape {
    bool diamond;
    double centreX;
    double centreY;
    double radius;

    // Half the width of the shape on the line through pixel centres at
    // height `y`, or a negative number where the line misses it.
    double halfWidth(double y) const {
        double dy = std::fabs(y - centreY);
        if (diamond)
            return radius - dy;
        double square = radius * radius - dy * dy;
        return square > 0.0 ? std::sqrt(square) : -1.0;
    }

    // Puts the pixels of row y whose centres lie inside the shape, and
    // within [clipBegin, clipEnd), from `inside` into `row`.
    void copyInside(std::uint32_t* row, const std::uint32_t* inside, int y, int clipBegin,
                    int clipEnd) const {
        double half = halfWidth(y + 0.5);
        if (half <= 0.0)
            return;
        int x0 = static_cast<int>(std::floor(centreX - half - 0.5)) + 1;
        int x1 = static_cast<int>(std::ceil(centreX + half - 0.5));
        copySpan(row, inside, std::max(x0, clipBegin), std::min(x1, clipEnd), clipEnd);
    }
};

// The distance from the centre of a w × h box to its farthest corner, in
// the shape's own measure: once the radius reaches it the box is covered.
double coveringRadius(bool diamond, double w, double h) {
    return diamond ? (w + h) / 2.0 : std::hypot(w, h) / 2.0;
}

void paintSingle(const FrameView& frame, bool diamond, bool grow, double progress) {
    const double full = coveringRadius(diamond, frame.width, frame.height);
    const Shape shape{diamond, frame.width / 2.0, frame.height / 2.0,
                      full * (grow ? progress : 1.0 - progress)};
    for (int y = 0; y < frame.height; ++y) {
        std::uint32_t* row = frame.outRow(y);
        copySpan(row, grow ? frame.fromRow(y) : frame.toRow(y), 0, frame.width, frame.width);
        shape.copyInside(row, grow ? frame.toRow(y) : frame.fromRow(y), y, 0, frame.width);
    }
}

void paintGrid(const FrameView& frame, bool diamond, double progress) {
    const int cell = std::max(1, (frame.width + cellsAcross - 1) / cellsAcross);
    const double radius = coveringRadius(diamond, cell, cell) * progress;
    for (int y = 0; y < frame.height; ++y) {
        std::uint32_t* row = frame.outRow(y);
        copySpan(row, frame.fromRow(y), 0, frame.width, frame.width);
        const double centreY = y / cell * cell + cell / 2.0;
        for (int x0 = 0; x0 < frame.width; x0 += cell) {
            const Shape shape{diamond, x0 + cell / 2.0, centreY, radius};
            shape.copyInside(row, frame.toRow(y), y, x0, std::min(x0 + cell, frame.width));
        }
    }
}

} // namespace

void paintShape(const FrameView& frame, const Effect& effect, double progress) {
    const bool diamond = effect.kind == EffectKind::Diamond;
    if (effect.variant == Variant::Grid)
        paintGrid(frame, diamond, progress);
    else
        paintSingle(frame, diamond, effect.variant != Variant::Shrink, progress);
}

} // namespace transitions
