// The captions of the font selection page.
#include "widgets/transparent_label.h"

#include "tests/win32/controls/test_parent.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string windowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HFONT guiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

TEST(TransparentLabel, CaptionIsTheWindowTextFromCreationOn) {
    TestParent parent;
    TransparentLabel label("acLabel2", Control::Bounds{432, 104, 96, 13}, "已选择字体款数：",
                           guiFont());
    label.createHandle(parent.hwnd());
    EXPECT_EQ(windowText(label.hwnd()), "已选择字体款数：");

    label.setCaption("已选择字体款数：12");
    EXPECT_EQ(label.caption(), "已选择字体款数：12");
    EXPECT_EQ(windowText(label.hwnd()), "已选择字体款数：12");
}

TEST(TransparentLabel, SizesItselfToANewCaptionKeepingItsCorner) {
    TestParent parent;
    TransparentLabel label("acLabel3", Control::Bounds{432, 192, 84, 13}, "需要硬盘空间：",
                           guiFont());
    label.createHandle(parent.hwnd());

    label.setCaption("需要硬盘空间：1234.56 MB");
    RECT longer{};
    GetWindowRect(label.hwnd(), &longer);
    MapWindowPoints(nullptr, parent.hwnd(), reinterpret_cast<POINT*>(&longer), 2);
    EXPECT_EQ(longer.left, 432);
    EXPECT_EQ(longer.top, 192);

    label.setCaption("x");
    RECT shorter{};
    GetWindowRect(label.hwnd(), &shorter);
    MapWindowPoints(nullptr, parent.hwnd(), reinterpret_cast<POINT*>(&shorter), 2);
    EXPECT_LT(shorter.right - shorter.left, longer.right - longer.left);
    EXPECT_EQ(label.bounds().width, shorter.right - shorter.left);
}

TEST(TransparentLabel, DrawsNoBackgroundOfItsOwn) {
    TestParent parent;
    TransparentLabel label("acLabel1", Control::Bounds{432, 140, 60, 13}, "安装路径：", guiFont());
    label.createHandle(parent.hwnd());
    EXPECT_EQ(printedPixel(label.hwnd(), 59, 0), parentColour);
}

} // namespace
