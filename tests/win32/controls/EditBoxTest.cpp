// The target folder box.
#include "widgets/edit_box.h"

#include "tests/win32/controls/test_parent.h"

#include <gtest/gtest.h>

namespace {

class EditBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { box.createHandle(parent.hwnd()); }

    TestParent parent;
    EditBox box{"Edit1", Control::Bounds{496, 137, 129, 21},
                static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))};
};

TEST_F(EditBoxTest, StartsEmptyAndShowsTheTextItIsGiven) {
    EXPECT_EQ(box.text(), "");
    box.setText("C:\\Windows\\Fonts");
    EXPECT_EQ(box.text(), "C:\\Windows\\Fonts");
    char shown[64] = {};
    GetWindowTextA(box.hwnd(), shown, sizeof shown);
    EXPECT_STREQ(shown, "C:\\Windows\\Fonts");
}

TEST_F(EditBoxTest, TypingAndPastingChangeNothing) {
    box.setText("C:\\Windows\\Fonts");
    SetFocus(box.hwnd());
    SendMessageA(box.hwnd(), EM_SETSEL, 0, -1);
    SendMessageA(box.hwnd(), WM_CHAR, 'x', 0);
    SendMessageA(box.hwnd(), WM_PASTE, 0, 0);
    SendMessageA(box.hwnd(), WM_CUT, 0, 0);
    EXPECT_EQ(box.text(), "C:\\Windows\\Fonts");
    EXPECT_TRUE(GetWindowLongA(box.hwnd(), GWL_STYLE) & ES_READONLY);
}

TEST(EditBox, TextSetBeforeCreationIsShown) {
    TestParent parent;
    EditBox box{"Edit1", Control::Bounds{0, 0, 129, 21},
                static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))};
    box.setText("before");
    box.createHandle(parent.hwnd());
    EXPECT_EQ(box.text(), "before");
}

} // namespace
