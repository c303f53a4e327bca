// The committed pictures of the wizard: each in the format, size and order
// the window expects, decoding cleanly with our own decoders.
#include "imaging/jpeg.h"
#include "imaging/png.h"
#include "imaging/wizard_pictures.h"
#include "tests/unit/imaging/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace imaging;
using namespace testing_files;

namespace {

std::string asset(const std::string& name) {
    return std::string(ASSET_DIR "/") + name;
}

struct Rect {
    int x, y, w, h;
};

// The controls the window lays over each page background.
const std::vector<Rect> kControlAreas[kPageBackgroundCount] = {
    {{504, 240, 105, 45}, {504, 296, 105, 45}},
    {{256, 340, 105, 45}, {392, 340, 105, 45}, {528, 340, 105, 45}},
    {{35, 96, 580, 201},
     {37, 300, 135, 20},
     {37, 321, 135, 20},
     {256, 340, 105, 45},
     {392, 340, 105, 45},
     {528, 340, 105, 45}},
    {{16, 56, 401, 265},
     {432, 104, 96, 13},
     {432, 140, 60, 13},
     {496, 137, 129, 21},
     {560, 167, 70, 25},
     {432, 192, 84, 13},
     {432, 216, 84, 13},
     {256, 340, 105, 45},
     {392, 340, 105, 45},
     {528, 340, 105, 45}},
    {{64, 64, 313, 18},
     {50, 120, 550, 163},
     {256, 340, 105, 45},
     {392, 340, 105, 45},
     {528, 340, 105, 45}},
    {{392, 340, 105, 45}},
};

int luma(std::uint32_t p) {
    return int((p >> 16 & 0xFF) * 299 + (p >> 8 & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
}

// Baseline (SOF0), 8-bit, three components, of the given size.
void expectBaselineColourJpeg(const Bytes& file, int width, int height, const std::string& name) {
    bool baseline = false;
    for (const JpegSegment& s : jpegSegments(file)) {
        EXPECT_FALSE(s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 &&
                     s.marker != 0xCC)
            << name << ": frame type " << std::hex << int(s.marker);
        if (s.marker != 0xC0)
            continue;
        baseline = true;
        const std::uint8_t* f = file.data() + s.payload;
        EXPECT_EQ(f[0], 8) << name;
        EXPECT_EQ(f[1] << 8 | f[2], height) << name;
        EXPECT_EQ(f[3] << 8 | f[4], width) << name;
        EXPECT_EQ(f[5], 3) << name;
    }
    EXPECT_TRUE(baseline) << name << ": no baseline frame header";
    Picture p = decodeJpeg(file.data(), file.size());
    EXPECT_EQ(p.width, width) << name;
    EXPECT_EQ(p.height, height) << name;
}

std::uint16_t le16(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

std::uint32_t le32(const Bytes& b, std::size_t at) {
    return le16(b, at) | std::uint32_t(le16(b, at + 2)) << 16;
}

} // namespace

TEST(Assets, PageBackgroundsAreBaselineColourJpegsOfPageSize) {
    for (int k = 0; k < kPageBackgroundCount; ++k) {
        std::string name = "pages/page" + std::to_string(k) + ".jpg";
        expectBaselineColourJpeg(readFile(asset(name)), 650, 400, name);
    }
}

TEST(Assets, ControlAreasOfEachPageArePlain) {
    for (int k = 0; k < kPageBackgroundCount; ++k) {
        Bytes file = readFile(asset("pages/page" + std::to_string(k) + ".jpg"));
        Picture p = decodeJpeg(file.data(), file.size());
        ASSERT_EQ(p.width, 650);
        for (const Rect& r : kControlAreas[k]) {
            int lo = 255, hi = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x) {
                    int v = luma(p.pixels[y * p.width + x]);
                    lo = std::min(lo, v);
                    hi = std::max(hi, v);
                }
            EXPECT_LE(hi - lo, 20) << "page " << k << " area at " << r.x << "," << r.y;
        }
    }
}

TEST(Assets, SlidesAreBaselineColourJpegBanners) {
    for (int k = 0; k < kSlideCount; ++k) {
        std::string name = "slides/slide" + std::to_string(k) + ".jpg";
        expectBaselineColourJpeg(readFile(asset(name)), 550, 163, name);
    }
}

TEST(Assets, ButtonFacesAreRgbaPngsWithClearCornersAndSolidCentres) {
    for (int k = 0; k < kButtonFaceCount; ++k) {
        std::string name = "buttons/PngImage" + std::to_string(k) + ".png";
        Bytes file = readFile(asset(name));
        ASSERT_GE(file.size(), 33u) << name;
        EXPECT_EQ(std::memcmp(file.data() + 12, "IHDR", 4), 0) << name;
        EXPECT_EQ(file[24], 8) << name << ": bit depth";
        EXPECT_EQ(file[25], 6) << name << ": colour type RGBA";
        Picture p = decodePng(file.data(), file.size());
        bool browse = k >= kBrowseFaces.normal && k <= kBrowseFaces.down;
        EXPECT_EQ(p.width, browse ? 70 : 105) << name;
        EXPECT_EQ(p.height, browse ? 25 : 45) << name;
        int w = p.width, h = p.height;
        for (int corner : {0, w - 1, (h - 1) * w, h * w - 1})
            EXPECT_EQ(p.pixels[corner] >> 24, 0u) << name << " corner " << corner;
        EXPECT_EQ(p.pixels[(h / 2) * w + w / 2] >> 24, 255u) << name;
        EXPECT_EQ(p.pixels[(h / 2) * w + 2] >> 24, 255u) << name << ": left edge";
    }
}

TEST(Assets, FacesOfOneButtonDifferByState) {
    for (int k = 0; k < kButtonFaceCount; k += 3) {
        Bytes normal = readFile(asset("buttons/PngImage" + std::to_string(k) + ".png"));
        Bytes hot = readFile(asset("buttons/PngImage" + std::to_string(k + 1) + ".png"));
        Bytes down = readFile(asset("buttons/PngImage" + std::to_string(k + 2) + ".png"));
        Picture n = decodePng(normal.data(), normal.size());
        Picture h = decodePng(hot.data(), hot.size());
        Picture d = decodePng(down.data(), down.size());
        // At the centre: the hot plate is blue-violet, the down plate darker than the normal one.
        std::size_t centre = std::size_t(n.height / 2) * n.width + 4;
        std::uint32_t hc = h.pixels[centre];
        EXPECT_GT(int(hc & 0xFF), int(hc >> 16 & 0xFF)) << k << ": hot is not blue";
        EXPECT_LT(luma(d.pixels[centre]), luma(n.pixels[centre])) << k;
    }
}

TEST(Assets, IconHoldsFourImagesWithMasks) {
    Bytes ico = readFile(asset("icon/setup.ico"));
    ASSERT_EQ(le16(ico, 0), 0);
    ASSERT_EQ(le16(ico, 2), 1);
    ASSERT_EQ(le16(ico, 4), 4);
    const int expected[4][2] = {{16, 4}, {16, 8}, {32, 4}, {32, 8}};
    for (int i = 0; i < 4; ++i) {
        std::size_t entry = 6 + 16 * i;
        int side = expected[i][0], bits = expected[i][1];
        EXPECT_EQ(ico[entry], side) << i;
        EXPECT_EQ(ico[entry + 1], side) << i;
        EXPECT_EQ(ico[entry + 2], bits == 4 ? 16 : 0) << i << ": colour count";
        EXPECT_EQ(le16(ico, entry + 6), bits) << i;
        std::uint32_t size = le32(ico, entry + 8), offset = le32(ico, entry + 12);
        ASSERT_LE(std::size_t(offset) + size, ico.size()) << i;
        // The image: a bitmap header of twice the height (colour bits, then mask).
        EXPECT_EQ(le32(ico, offset), 40u) << i;
        EXPECT_EQ(le32(ico, offset + 4), std::uint32_t(side)) << i;
        EXPECT_EQ(le32(ico, offset + 8), std::uint32_t(2 * side)) << i;
        EXPECT_EQ(le16(ico, offset + 14), bits) << i;
        std::size_t palette = 4u << bits;
        std::size_t xorStride = (side * bits + 31) / 32 * 4, andStride = (side + 31) / 32 * 4;
        EXPECT_EQ(size, 40 + palette + side * xorStride + side * andStride) << i;
        // Mask rows are bottom-up; a set bit is transparent.
        std::size_t mask = offset + 40 + palette + side * xorStride;
        auto transparent = [&](int x, int y) {
            return (ico[mask + (side - 1 - y) * andStride + x / 8] >> (7 - x % 8) & 1) != 0;
        };
        EXPECT_TRUE(transparent(side - 1, 0)) << i << ": top-right corner";
        EXPECT_FALSE(transparent(side / 3, side / 3)) << i << ": monitor";
    }
}
