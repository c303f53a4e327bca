#include "widgets/transitions/render_frame.h"

#include "tests/unit/transitions/test_pictures.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <stdexcept>
#include <string>

using namespace transitions;
using namespace transitions::testing;
using imaging::Picture;

namespace {

constexpr int width = 64;
constexpr int height = 48;

// Effects that only choose, pixel by pixel, between the old and the new
// picture at the same place; the others move or blend pixels.
bool staysInPlace(const Effect& e) {
    switch (e.kind) {
    case EffectKind::Wipe:
    case EffectKind::Blinds:
    case EffectKind::Checker:
    case EffectKind::Circle:
    case EffectKind::Diamond:
        return true;
    case EffectKind::Pixel:
        return e.variant != Variant::Mosaic;
    default:
        return false;
    }
}

int newPixels(const Picture& frame) {
    int count = 0;
    for (std::uint32_t p : frame.pixels)
        count += redOf(p) == newRed;
    return count;
}

class EveryEffect : public ::testing::TestWithParam<std::size_t> {
  protected:
    const Effect& effect = effectAt(GetParam());
    const Picture from = marked(oldRed, width, height);
    const Picture to = marked(newRed, width, height);

    Picture frameAt(double progress) const {
        Picture out;
        renderFrame(effect, from, to, progress, out);
        return out;
    }
};

TEST_P(EveryEffect, StartsOnTheOldPictureAndEndsOnTheNewOne) {
    EXPECT_EQ(frameAt(0.0).pixels, from.pixels);
    EXPECT_EQ(frameAt(1.0).pixels, to.pixels);
    EXPECT_EQ(frameAt(-0.5).pixels, from.pixels);
    EXPECT_EQ(frameAt(std::numeric_limits<double>::quiet_NaN()).pixels, from.pixels);
    EXPECT_EQ(frameAt(7.0).pixels, to.pixels);
}

TEST_P(EveryEffect, MiddleFrameIsNeitherPictureAndMadeOfTheirPixels) {
    for (double progress : {0.3, 0.5, 0.7}) {
        Picture frame = frameAt(progress);
        ASSERT_EQ(frame.width, width);
        ASSERT_EQ(frame.height, height);
        ASSERT_EQ(frame.pixels.size(), from.pixels.size());
        EXPECT_NE(frame.pixels, from.pixels) << progress;
        EXPECT_NE(frame.pixels, to.pixels) << progress;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                std::uint32_t p = at(frame, x, y);
                ASSERT_EQ(p >> 24, 0xFFu) << "frames stay opaque";
                if (effect.kind == EffectKind::Fade)
                    continue;
                if (staysInPlace(effect)) {
                    ASSERT_TRUE(p == at(from, x, y) || p == at(to, x, y))
                        << progress << " at " << x << "," << y;
                } else {
                    ASSERT_TRUE(redOf(p) == oldRed || redOf(p) == newRed)
                        << progress << " at " << x << "," << y << ": " << std::hex << p;
                    ASSERT_LT(p >> 8 & 0xFF, static_cast<std::uint32_t>(width));
                    ASSERT_LT(p & 0xFF, static_cast<std::uint32_t>(height));
                }
            }
    }
}

TEST_P(EveryEffect, NewPictureNeverRecedes) {
    if (effect.kind == EffectKind::Fade)
        GTEST_SKIP() << "a fade shows both pictures everywhere";
    int last = 0;
    for (int step = 0; step <= 40; ++step) {
        int now = newPixels(frameAt(step / 40.0));
        EXPECT_GE(now, last) << "at progress " << step / 40.0;
        last = now;
    }
    EXPECT_EQ(last, width * height);
}

TEST_P(EveryEffect, MostOfTheWayIsMostlyTheNewPicture) {
    if (effect.kind == EffectKind::Fade)
        GTEST_SKIP() << "a fade shows both pictures everywhere";
    EXPECT_LT(newPixels(frameAt(0.1)), width * height / 2);
    EXPECT_GT(newPixels(frameAt(0.9)), width * height / 2);
}

TEST_P(EveryEffect, DrawsOverEitherOfItsOwnSources) {
    Picture expected = frameAt(0.4);
    Picture asFrom = from;
    renderFrame(effect, asFrom, to, 0.4, asFrom);
    EXPECT_EQ(asFrom.pixels, expected.pixels);
    Picture asTo = to;
    renderFrame(effect, from, asTo, 0.4, asTo);
    EXPECT_EQ(asTo.pixels, expected.pixels);
}

// A new picture of another size stands at the top-left corner over black;
// the frame keeps the old picture's size. Run under the sanitizer build,
// this is also the check that no painter reads past either picture.
TEST_P(EveryEffect, NewPictureOfAnotherSizeIsDrawnAtTheTopLeftOverBlack) {
    struct Sizes {
        int fromWidth, fromHeight, toWidth, toHeight;
    };
    const Sizes cases[] = {
        {40, 30, 64, 48}, // larger
        {40, 30, 13, 7},  // smaller
        {40, 30, 90, 5},  // wider but shorter
        {40, 30, 0, 0},   // missing
        {1, 1, 40, 30},   {3, 200, 2, 2}, {0, 0, 40, 30},
    };
    Picture out = filled(100, 100, 0x12345678); // a stale, larger frame to be reused
    for (const Sizes& s : cases) {
        const Picture smallFrom = marked(oldRed, s.fromWidth, s.fromHeight);
        const Picture otherTo = marked(newRed, s.toWidth, s.toHeight);
        for (double progress : {0.0, 0.1, 0.5, 0.9, 1.0}) {
            renderFrame(effect, smallFrom, otherTo, progress, out);
            ASSERT_EQ(out.width, s.fromWidth);
            ASSERT_EQ(out.height, s.fromHeight);
            ASSERT_EQ(out.pixels.size(), smallFrom.pixels.size());
        }
        for (int y = 0; y < s.fromHeight; ++y)
            for (int x = 0; x < s.fromWidth; ++x) {
                bool covered = x < s.toWidth && y < s.toHeight;
                ASSERT_EQ(at(out, x, y), covered ? at(otherTo, x, y) : 0xFF000000u)
                    << s.toWidth << "x" << s.toHeight << " at " << x << "," << y;
            }
    }
}

std::string effectTestName(const ::testing::TestParamInfo<std::size_t>& info) {
    std::string name;
    for (const char* c = effectAt(info.param).name; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryEffect, ::testing::Range<std::size_t>(0, effectCount()),
                         effectTestName);

TEST(RenderFrame, PictureWithTooFewPixelsIsRefused) {
    Picture good = marked(oldRed, 8, 8);
    Picture shortOne = good;
    shortOne.pixels.resize(63);
    Picture negative = good;
    negative.width = -8;
    Picture out;
    const Effect& effect = effectAt(0);
    EXPECT_THROW(renderFrame(effect, shortOne, good, 0.5, out), std::invalid_argument);
    EXPECT_THROW(renderFrame(effect, good, shortOne, 0.5, out), std::invalid_argument);
    EXPECT_THROW(renderFrame(effect, negative, good, 0.5, out), std::invalid_argument);
}

TEST(RenderFrame, FrameKeepsTheOldPicturesPremultipliedFlag) {
    Picture from = marked(oldRed, 8, 8);
    from.premultiplied = true;
    Picture out;
    renderFrame(effectAt(0), from, marked(newRed, 8, 8), 0.5, out);
    EXPECT_TRUE(out.premultiplied);
}

} // namespace
