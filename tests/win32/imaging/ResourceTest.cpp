#include "imaging/resource_win.h"

#include "imaging/wizard_pictures.h"
#include "system/errors.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

using namespace imaging;

namespace {

// Every pixel of a page background or banner is opaque.
bool opaque(const Picture& p) {
    for (std::uint32_t px : p.pixels)
        if (px >> 24 != 255)
            return false;
    return true;
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

} // namespace

TEST(Resources, PageBackgroundsAreFullPagesInPageOrder) {
    for (int k = 0; k < kPageBackgroundCount; ++k) {
        Picture p = loadPageBackground(k);
        EXPECT_EQ(p.width, 650) << k;
        EXPECT_EQ(p.height, 400) << k;
        EXPECT_TRUE(p.premultiplied) << k;
        EXPECT_TRUE(opaque(p)) << k;
    }
    // Each page has a picture of its own.
    for (int a = 0; a < kPageBackgroundCount; ++a)
        for (int b = a + 1; b < kPageBackgroundCount; ++b)
            EXPECT_NE(loadPageBackground(a).pixels, loadPageBackground(b).pixels) << a << " " << b;
}

TEST(Resources, SlidesAreBanners) {
    for (int k = 0; k < kSlideCount; ++k) {
        Picture p = loadSlide(k);
        EXPECT_EQ(p.width, 550) << k;
        EXPECT_EQ(p.height, 163) << k;
        EXPECT_TRUE(opaque(p)) << k;
    }
}

TEST(Resources, ButtonFacesArePremultipliedWithClearCorners) {
    for (int k = 0; k < kButtonFaceCount; ++k) {
        Picture p = loadButtonFace(k);
        bool browse = k >= kBrowseFaces.normal && k <= kBrowseFaces.down;
        EXPECT_EQ(p.width, browse ? 70 : 105) << k;
        EXPECT_EQ(p.height, browse ? 25 : 45) << k;
        EXPECT_TRUE(p.premultiplied) << k;
        // Premultiplied: no colour channel exceeds alpha, and a clear corner is all zero.
        EXPECT_EQ(p.pixels.front(), 0u) << k;
        EXPECT_EQ(p.pixels.back(), 0u) << k;
        for (std::uint32_t px : p.pixels) {
            std::uint32_t a = px >> 24;
            ASSERT_LE(px >> 16 & 0xFF, a) << k;
            ASSERT_LE(px >> 8 & 0xFF, a) << k;
            ASSERT_LE(px & 0xFF, a) << k;
        }
        EXPECT_EQ(p.pixels[p.width * (p.height / 2) + p.width / 2] >> 24, 255u) << k;
    }
}

TEST(Resources, IndicesOutsideTheListsAndMissingNamesRaise) {
    EXPECT_THROW(loadPageBackground(-1), EFOpenError);
    EXPECT_THROW(loadPageBackground(kPageBackgroundCount), EFOpenError);
    EXPECT_THROW(loadSlide(kSlideCount), EFOpenError);
    EXPECT_THROW(loadButtonFace(kButtonFaceCount), EFOpenError);
    EXPECT_THROW(loadResourceBytes("NO_SUCH_PICTURE"), EFOpenError);
}

TEST(Resources, ResourcesHoldTheFilesAsTheyWereMade) {
    ResourceBytes jpeg = loadResourceBytes(pageBackgroundResource(0));
    ASSERT_GE(jpeg.size, 3u);
    EXPECT_EQ(jpeg.data[0], 0xFF);
    EXPECT_EQ(jpeg.data[1], 0xD8);
    ResourceBytes png = loadResourceBytes(buttonFaceResource(20));
    ASSERT_GE(png.size, 8u);
    EXPECT_EQ(std::memcmp(png.data, "\x89PNG\r\n\x1a\n", 8), 0);
}

TEST(Resources, MainIconGroupHoldsTheFourImages) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, kMainIconResource, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_NE(info, nullptr);
    const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(module, info)));
    ASSERT_NE(group, nullptr);
    WORD count;
    std::memcpy(&count, group + 4, 2);
    ASSERT_EQ(count, 4);
    const int expected[4][2] = {{16, 4}, {16, 8}, {32, 4}, {32, 8}};
    for (int i = 0; i < 4; ++i) {
        GroupIconEntry e;
        std::memcpy(&e, group + 6 + i * sizeof e, sizeof e);
        EXPECT_EQ(e.width, expected[i][0]) << i;
        EXPECT_EQ(e.height, expected[i][0]) << i;
        EXPECT_EQ(e.bitCount, expected[i][1]) << i;
    }
    for (int side : {16, 32}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(module, kMainIconResource, IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
        EXPECT_NE(icon, nullptr) << side;
        if (icon)
            DestroyIcon(icon);
    }
}
