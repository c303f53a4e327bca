#include "widgets/transitions/progress.h"

#include <gtest/gtest.h>

using transitions::transitionProgress;

TEST(TransitionProgress, ClampsAndEasesOverTheDuration) {
    struct Case {
        std::int64_t elapsed, duration;
        double expected;
    };
    const Case cases[] = {
        {0, 400, 0.0},       {-30, 400, 0.0},  // a clock read before the start
        {400, 400, 1.0},     {5000, 400, 1.0}, // late frames stay on the end
        {200, 400, 0.5},                       // eased curve is symmetric about the middle
        {100, 400, 0.15625}, {300, 400, 0.84375},
        {0, 0, 1.0},         {10, -5, 1.0}, // no duration: over at once
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(transitionProgress(c.elapsed, c.duration), c.expected)
            << c.elapsed << " of " << c.duration;
}

TEST(TransitionProgress, RisesStrictlyEveryMillisecond) {
    double last = transitionProgress(0, 400);
    for (std::int64_t ms = 1; ms <= 400; ++ms) {
        double now = transitionProgress(ms, 400);
        EXPECT_GT(now, last) << ms;
        last = now;
    }
}
