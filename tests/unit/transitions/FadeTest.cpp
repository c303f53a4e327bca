#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace transitions;
using namespace transitions::testing;

TEST(Fade, BlendsChannelByChannel) {
    struct Case {
        const char* effect;
        double progress;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {"Crossfade", 0.5, 0xFF787068},           {"Crossfade", 0.25, 0xFF44484C},
        {"Fade through black", 0.25, 0xFF081018}, {"Fade through black", 0.5, 0xFF000000},
        {"Fade through black", 0.75, 0xFF706050}, {"Fade through white", 0.5, 0xFFFFFFFF},
        {"Fade through white", 0.25, 0xFF878F97},
    };
    const imaging::Picture from = filled(4, 3, 0xFF102030);
    const imaging::Picture to = filled(4, 3, 0xFFE0C0A0);
    for (const Case& c : cases) {
        imaging::Picture out;
        renderFrame(effectNamed(c.effect), from, to, c.progress, out);
        for (std::uint32_t p : out.pixels)
            for (int shift : {0, 8, 16, 24})
                ASSERT_LE(std::abs(static_cast<int>(p >> shift & 0xFF) -
                                   static_cast<int>(c.expected >> shift & 0xFF)),
                          1)
                    << c.effect << " at " << c.progress << ": " << std::hex << p;
    }
}
