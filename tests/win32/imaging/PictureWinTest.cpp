#include "imaging/picture_win.h"

#include <gtest/gtest.h>

#include <utility>

using imaging::DibSection;
using imaging::Picture;

namespace {

Picture sample() {
    Picture p;
    p.width = 3;
    p.height = 2;
    p.pixels = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0x80404040, 0x00000000, 0xFFFFFFFF};
    return p;
}

} // namespace

TEST(DibSection, IsATopDown32BitCopyOfThePicture) {
    Picture p = sample();
    DibSection dib(p);
    ASSERT_FALSE(dib.empty());
    DIBSECTION info{};
    ASSERT_EQ(GetObjectA(dib.handle(), sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.dsBm.bmWidth, 3);
    EXPECT_EQ(info.dsBm.bmHeight, 2);
    EXPECT_EQ(info.dsBm.bmBitsPixel, 32);
    for (std::size_t i = 0; i < p.pixels.size(); ++i)
        EXPECT_EQ(dib.bits()[i], p.pixels[i]) << i;

    // What GDI reads back is the same pixels with the first row on top.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, dib.handle());
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0xFF));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0xFF, 0));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0xFF, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x40, 0x40, 0x40));
    EXPECT_EQ(GetPixel(dc, 2, 1), RGB(0xFF, 0xFF, 0xFF));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST(DibSection, EmptyPictureGivesNoBitmap) {
    DibSection dib{Picture{}};
    EXPECT_TRUE(dib.empty());
    EXPECT_EQ(dib.bits(), nullptr);
}

TEST(DibSection, MovingHandsTheBitmapOver) {
    DibSection a(sample());
    HBITMAP handle = a.handle();
    DibSection b(std::move(a));
    EXPECT_TRUE(a.empty());
    EXPECT_EQ(b.handle(), handle);
    DibSection c;
    c = std::move(b);
    EXPECT_TRUE(b.empty());
    EXPECT_EQ(c.handle(), handle);
    EXPECT_EQ(c.width(), 3);
    EXPECT_EQ(c.height(), 2);
}
