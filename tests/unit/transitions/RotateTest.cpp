#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

using namespace transitions;
using namespace transitions::testing;

// A 64 × 64 picture, centre (32, 32). A quarter into spinning out, the old
// picture has made a quarter turn at three quarters of its size; three
// quarters into spinning in, the new one is a quarter turn from upright at
// the same size. The cases ask which quarter of which picture a frame pixel
// shows.
TEST(Rotate, TurnsTheRightWayAboutTheCentre) {
    struct Case {
        const char* effect;
        double progress;
        int x, y;
        std::uint32_t red;
        bool left, top;
    };
    const Case cases[] = {
        {"Spin out clockwise", 0.25, 40, 23, oldRed, true, true},
        {"Spin out anticlockwise", 0.25, 40, 23, oldRed, false, false},
        {"Spin out clockwise", 0.25, 1, 1, newRed, true, true},    // corner uncovered
        {"Spin out clockwise", 0.5, 20, 20, oldRed, false, false}, // half turn, half size
        {"Spin out clockwise", 0.5, 10, 10, newRed, true, true},
        {"Spin in clockwise", 0.75, 40, 23, newRed, false, false},
        {"Spin in anticlockwise", 0.75, 40, 23, newRed, true, true},
        {"Spin in clockwise", 0.75, 1, 1, oldRed, true, true},
    };
    const imaging::Picture from = marked(oldRed, 64, 64);
    const imaging::Picture to = marked(newRed, 64, 64);
    for (const Case& c : cases) {
        imaging::Picture out;
        renderFrame(effectNamed(c.effect), from, to, c.progress, out);
        std::uint32_t p = at(out, c.x, c.y);
        EXPECT_EQ(redOf(p), c.red) << c.effect << " at " << c.x << "," << c.y;
        EXPECT_EQ((p >> 8 & 0xFF) < 32, c.left) << c.effect << " at " << c.x << "," << c.y;
        EXPECT_EQ((p & 0xFF) < 32, c.top) << c.effect << " at " << c.x << "," << c.y;
    }
}
