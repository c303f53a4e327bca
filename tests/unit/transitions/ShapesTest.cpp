#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

using namespace transitions;
using namespace transitions::testing;

// A 64 × 48 picture, centre (32, 24). Halfway, the circle out has radius 20
// (half of the distance to a corner), the diamond out 28 (half of 32 + 24).
TEST(Shapes, PixelsInsideTheShapeShowTheInnerPicture) {
    struct Case {
        const char* effect;
        double progress;
        int x, y;
        bool showsNew;
    };
    const Case cases[] = {
        {"Circle out", 0.5, 32, 24, true},   {"Circle out", 0.5, 44, 36, true},
        {"Circle out", 0.5, 46, 38, false},  {"Circle out", 0.5, 57, 24, false},
        {"Diamond out", 0.5, 57, 24, true},  {"Diamond out", 0.5, 44, 36, true},
        {"Diamond out", 0.5, 46, 38, false}, {"Diamond out", 0.5, 0, 0, false},
        {"Circle in", 0.5, 32, 24, false},   {"Circle in", 0.5, 57, 24, true},
        {"Circle in", 0.5, 0, 0, true},      {"Diamond in", 0.5, 57, 24, false},
        {"Diamond in", 0.5, 46, 38, true},   {"Circles", 0.2, 3, 3, true},
        {"Circles", 0.2, 10, 3, true},       {"Circles", 0.2, 0, 0, false},
        {"Circles", 0.2, 5, 3, false},       {"Diamonds", 0.2, 3, 3, true},
        {"Diamonds", 0.2, 10, 10, true},     {"Diamonds", 0.2, 0, 0, false},
    };
    const imaging::Picture from = marked(oldRed, 64, 48);
    const imaging::Picture to = marked(newRed, 64, 48);
    for (const Case& c : cases) {
        imaging::Picture out;
        renderFrame(effectNamed(c.effect), from, to, c.progress, out);
        EXPECT_EQ(at(out, c.x, c.y), at(c.showsNew ? to : from, c.x, c.y))
            << c.effect << " at " << c.progress << ", " << c.x << "," << c.y;
    }
}
