#include "imaging/premultiply.h"

#include <gtest/gtest.h>

#include <cmath>

using imaging::Picture;
using imaging::premultiply;

TEST(Premultiply, ScalesColourByAlphaRoundedToNearest) {
    struct Case {
        std::uint32_t in, out;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0xFFFFFFFF},                           // opaque stays as it is
        {0x00FFFFFF, 0x00000000},                           // transparent loses its colour
        {0x80FF4000, 0x80802000},                           // 255*128/255 = 128, 64*128/255 = 32.1
        {0x01FFFFFF, 0x01010101}, {0xFE010203, 0xFE010203}, // 1*254/255 rounds back to 1
    };
    for (const Case& c : cases) {
        Picture p;
        p.width = p.height = 1;
        p.pixels = {c.in};
        premultiply(p);
        EXPECT_TRUE(p.premultiplied);
        EXPECT_EQ(p.pixels[0], c.out) << std::hex << c.in;
    }
}

TEST(Premultiply, MatchesExactRoundingForEveryPair) {
    Picture p;
    p.width = 256;
    p.height = 256;
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t c = 0; c < 256; ++c)
            p.pixels.push_back(a << 24 | c << 16 | c << 8 | c);
    premultiply(p);
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t c = 0; c < 256; ++c) {
            std::uint32_t want = static_cast<std::uint32_t>(std::lround(c * a / 255.0));
            ASSERT_EQ(p.pixels[a * 256 + c] & 0xFF, want) << "c=" << c << " a=" << a;
        }
}

TEST(Premultiply, SecondCallChangesNothing) {
    Picture p;
    p.width = p.height = 1;
    p.pixels = {0x80FFFFFF};
    premultiply(p);
    premultiply(p);
    EXPECT_EQ(p.pixels[0], 0x80808080u);
}
