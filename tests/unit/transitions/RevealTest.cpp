#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

using namespace transitions;
using namespace transitions::testing;

// On a 64 × 48 picture slats and cells are a tenth of the picture: slats
// of 5 rows or 7 columns, cells of 7 × 7.
TEST(Reveal, SweepsUncoverTheNewPictureFromTheNamedSide) {
    struct Case {
        const char* effect;
        double progress;
        int x, y;
        bool uncovered;
    };
    const Case cases[] = {
        {"Wipe right", 0.25, 15, 0, true},
        {"Wipe right", 0.25, 16, 0, false},
        {"Wipe left", 0.25, 48, 0, true},
        {"Wipe left", 0.25, 47, 0, false},
        {"Wipe down", 0.25, 0, 11, true},
        {"Wipe down", 0.25, 0, 12, false},
        {"Wipe up", 0.25, 0, 36, true},
        {"Wipe up", 0.25, 0, 35, false},
        {"Blinds down", 0.5, 0, 2, true},
        {"Blinds down", 0.5, 0, 3, false},
        {"Blinds down", 0.5, 0, 5, true},
        {"Blinds down", 0.5, 0, 8, false},
        {"Blinds up", 0.5, 0, 1, false},
        {"Blinds up", 0.5, 0, 2, true},
        {"Blinds up", 0.5, 0, 6, false},
        {"Blinds up", 0.5, 0, 7, true},
        {"Blinds right", 0.5, 3, 0, true},
        {"Blinds right", 0.5, 4, 0, false},
        {"Blinds right", 0.5, 7, 0, true},
        {"Blinds right", 0.5, 11, 0, false},
        {"Blinds left", 0.5, 2, 0, false},
        {"Blinds left", 0.5, 3, 0, true},
        {"Checkerboard across", 0.25, 3, 0, true}, // first cells half swept
        {"Checkerboard across", 0.25, 4, 0, false},
        {"Checkerboard across", 0.25, 7, 0, false}, // second cells not started
        {"Checkerboard across", 0.25, 7, 7, true},
        {"Checkerboard across", 0.75, 6, 0, true},  // first cells done
        {"Checkerboard across", 0.75, 10, 0, true}, // second cells half swept
        {"Checkerboard across", 0.75, 11, 0, false},
        {"Checkerboard down", 0.25, 5, 3, true},
        {"Checkerboard down", 0.25, 5, 4, false},
        {"Checkerboard down", 0.25, 8, 0, false},
    };
    const imaging::Picture from = marked(oldRed, 64, 48);
    const imaging::Picture to = marked(newRed, 64, 48);
    for (const Case& c : cases) {
        imaging::Picture out;
        renderFrame(effectNamed(c.effect), from, to, c.progress, out);
        EXPECT_EQ(at(out, c.x, c.y), at(c.uncovered ? to : from, c.x, c.y))
            << c.effect << " at " << c.progress << ", " << c.x << "," << c.y;
    }
}
