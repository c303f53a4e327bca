#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

using namespace transitions;
using namespace transitions::testing;

// On a 64 pixel wide picture random blocks are 2 pixels wide (a fortieth),
// and the mosaic is coarsest halfway, at blocks of 3 (a twentieth).
TEST(Pixel, BlocksTurnWholeAndMosaicSamplesOnePixelPerBlock) {
    const imaging::Picture from = marked(oldRed, 64, 48);
    const imaging::Picture to = marked(newRed, 64, 48);
    imaging::Picture out;

    renderFrame(effectNamed("Random blocks"), from, to, 0.5, out);
    for (int y = 0; y < 48; y += 2)
        for (int x = 0; x < 64; x += 2) {
            std::uint32_t red = redOf(at(out, x, y));
            EXPECT_EQ(redOf(at(out, x + 1, y + 1)), red) << x << "," << y;
        }

    renderFrame(effectNamed("Mosaic"), from, to, 0.5, out);
    EXPECT_EQ(at(out, 0, 0), at(to, 1, 1));
    EXPECT_EQ(at(out, 2, 2), at(to, 1, 1));
    EXPECT_EQ(at(out, 3, 0), at(to, 4, 1));
    renderFrame(effectNamed("Mosaic"), from, to, 0.45, out);
    EXPECT_EQ(at(out, 2, 2), at(from, 1, 1)) << "the first half coarsens the old picture";
}
