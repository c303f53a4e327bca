#include "widgets/transitions/frame.h"

namespace transitions {

namespace {

// Slats and checkerboard cells: ten across the picture (or down it, for
// horizontal slats), so every picture size gets the same look.
constexpr int cellsAcross = 10;

int cellSize(int length) {
    return std::max(1, (length + cellsAcross - 1) / cellsAcross);
}

struct Span {
    int begin;
    int end;
};

// The part of the segment [start, start + length) that a sweep has
// uncovered: from its start, or from its end when `backwards`.
Span swept(int start, int length, double progress, bool backwards) {
    int count = sweptCount(progress, length);
    return backwards ? Span{start + length - count, start + length} : Span{start, start + count};
}

bool backwards(Step step) {
    return step.dx < 0 || step.dy < 0;
}

// Row y of the frame: the old row with [span) of the new one.
void composeRow(const FrameView& frame, int y, Span span) {
    std::uint32_t* row = frame.outRow(y);
    copySpan(row, frame.fromRow(y), 0, frame.width, frame.width);
    copySpan(row, frame.toRow(y), span.begin, span.end, frame.width);
}

void copyRow(const FrameView& frame, int y, bool fromNew) {
    std::memcpy(frame.outRow(y), fromNew ? frame.toRow(y) : frame.fromRow(y),
                static_cast<std::size_t>(frame.width) * sizeof *frame.out);
}

} // namespace

void paintWipe(const FrameView& frame, const Effect& effect, double progress) {
    Step step = stepOf(effect.direction);
    if (step.dx != 0) {
        Span span = swept(0, frame.width, progress, backwards(step));
        for (int y = 0; y < frame.height; ++y)
            composeRow(frame, y, span);
        return;
    }
    Span rows = swept(0, frame.height, progress, backwards(step));
    for (int y = 0; y < frame.height; ++y)
        copyRow(frame, y, y >= rows.begin && y < rows.end);
}

void paintBlinds(const FrameView& frame, const Effect& effect, double progress) {
    Step step = stepOf(effect.direction);
    if (step.dx != 0) {
        const int slat = cellSize(frame.width);
        for (int y = 0; y < frame.height; ++y) {
            std::uint32_t* row = frame.outRow(y);
            copySpan(row, frame.fromRow(y), 0, frame.width, frame.width);
            for (int x0 = 0; x0 < frame.width; x0 += slat) {
                Span span = swept(x0, std::min(slat, frame.width - x0), progress, backwards(step));
                copySpan(row, frame.toRow(y), span.begin, span.end, frame.width);
            }
        }
        return;
    }
    const int slat = cellSize(frame.height);
    for (int y = 0; y < frame.height; ++y) {
        int y0 = y / slat * slat;
        Span rows = swept(y0, std::min(slat, frame.height - y0), progress, backwards(step));
        copyRow(frame, y, y >= rows.begin && y < rows.end);
    }
}

// Cells of one colour of the board sweep during the first half, the others
// during the second.
void paintChecker(const FrameView& frame, const Effect& effect, double progress) {
    const bool across = stepOf(effect.direction).dx != 0;
    const int cell = cellSize(frame.width);
    const double phase[2] = {std::min(1.0, progress * 2.0), std::max(0.0, progress * 2.0 - 1.0)};
    for (int y = 0; y < frame.height; ++y) {
        const int row = y / cell;
        const int y0 = row * cell;
        const int cellHeight = std::min(cell, frame.height - y0);
        std::uint32_t* out = frame.outRow(y);
        copySpan(out, frame.fromRow(y), 0, frame.width, frame.width);
        for (int column = 0, x0 = 0; x0 < frame.width; ++column, x0 += cell) {
            const int cellWidth = std::min(cell, frame.width - x0);
            const double local = phase[(row + column) & 1];
            if (across) {
                Span span = swept(x0, cellWidth, local, false);
                copySpan(out, frame.toRow(y), span.begin, span.end, frame.width);
            } else if (y < swept(y0, cellHeight, local, false).end) {
                copySpan(out, frame.toRow(y), x0, x0 + cellWidth, frame.width);
            }
        }
    }
}

} // namespace transitions
