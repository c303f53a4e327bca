#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

using namespace transitions;
using namespace transitions::testing;

// Halfway through, on a 64 × 48 picture: each case names a frame pixel and
// the picture and position it must come from.
TEST(Motion, HalfwayFramesShowBothPicturesShiftedByHalf) {
    struct Case {
        const char* effect;
        int x, y;
        std::uint32_t red;
        int sourceX, sourceY;
    };
    const Case cases[] = {
        {"Slide left", 10, 5, oldRed, 10, 5},
        {"Slide left", 31, 0, oldRed, 31, 0},
        {"Slide left", 32, 0, newRed, 0, 0},
        {"Slide left", 40, 5, newRed, 8, 5},
        {"Slide right", 10, 5, newRed, 42, 5},
        {"Slide right", 40, 5, oldRed, 40, 5},
        {"Slide up", 5, 30, newRed, 5, 6},
        {"Slide up", 5, 10, oldRed, 5, 10},
        {"Slide down", 5, 10, newRed, 5, 34},
        {"Slide down", 5, 30, oldRed, 5, 30},
        {"Slide down-right", 10, 10, newRed, 42, 34},
        {"Slide down-right", 40, 10, oldRed, 40, 10},
        {"Slide down-right", 10, 30, oldRed, 10, 30},
        {"Slide up-left", 40, 30, newRed, 8, 6},
        {"Slide up-left", 10, 30, oldRed, 10, 30},
        {"Slide up-right", 10, 30, newRed, 42, 6},
        {"Slide down-left", 40, 10, newRed, 8, 34},
        {"Push left", 10, 5, oldRed, 42, 5},
        {"Push left", 40, 5, newRed, 8, 5},
        {"Push right", 10, 5, newRed, 42, 5},
        {"Push right", 40, 5, oldRed, 8, 5},
        {"Push up", 5, 10, oldRed, 5, 34},
        {"Push up", 5, 30, newRed, 5, 6},
        {"Push down", 5, 10, newRed, 5, 34},
        {"Push down", 5, 30, oldRed, 5, 6},
    };
    const imaging::Picture from = marked(oldRed, 64, 48);
    const imaging::Picture to = marked(newRed, 64, 48);
    for (const Case& c : cases) {
        imaging::Picture out;
        renderFrame(effectNamed(c.effect), from, to, 0.5, out);
        EXPECT_EQ(at(out, c.x, c.y), markedPixel(c.red, c.sourceX, c.sourceY))
            << c.effect << " at " << c.x << "," << c.y;
    }
}
