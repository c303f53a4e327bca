// The accept/decline pair as the licence page builds it, driven by messages.
#include "widgets/radio_button.h"

#include "tests/win32/controls/test_parent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ClickRecord {
    std::string sender;
    bool acceptChosen;
    bool declineChosen;

    bool operator==(const ClickRecord& other) const {
        return sender == other.sender && acceptChosen == other.acceptChosen &&
               declineChosen == other.declineChosen;
    }
};

std::ostream& operator<<(std::ostream& out, const ClickRecord& record) {
    return out << record.sender << " accept=" << record.acceptChosen
               << " decline=" << record.declineChosen;
}

class RadioButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        accept = std::make_unique<RadioButton>("AdvOfficeRadioButton1",
                                               Control::Bounds{37, 300, 135, 20}, "我接受以上协议",
                                               font, false);
        decline = std::make_unique<RadioButton>("AdvOfficeRadioButton2",
                                                Control::Bounds{37, 321, 135, 20},
                                                "我不接受以上协议", font, true);
        for (RadioButton* button : {accept.get(), decline.get()}) {
            button->OnClick = [this](Component& sender) {
                clicks.push_back({sender.name(), accept->checked(), decline->checked()});
            };
            button->createHandle(parent.hwnd());
        }
        SetFocus(parent.hwnd());
        clicks.clear();
    }

    static void click(RadioButton& button) {
        SendMessageA(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    static bool tabStop(const RadioButton& button) {
        return GetWindowLongA(button.hwnd(), GWL_STYLE) & WS_TABSTOP;
    }

    TestParent parent;
    HFONT font = nullptr;
    std::unique_ptr<RadioButton> accept;
    std::unique_ptr<RadioButton> decline;
    std::vector<ClickRecord> clicks;
};

TEST_F(RadioButtonTest, StartsAsLaidOutWithoutAnyClick) {
    EXPECT_FALSE(accept->checked());
    EXPECT_TRUE(decline->checked());
    EXPECT_FALSE(tabStop(*accept));
    EXPECT_TRUE(tabStop(*decline));
    char text[64] = {};
    GetWindowTextA(accept->hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "我接受以上协议");
    EXPECT_TRUE(clicks.empty());
}

TEST_F(RadioButtonTest, ClickOnTheOtherButtonSwitchesTheChoiceBeforeEachClickEvent) {
    click(*accept);

    ClickRecord accepted{"AdvOfficeRadioButton1", true, false};
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{accepted, accepted}));
    EXPECT_TRUE(tabStop(*accept));
    EXPECT_FALSE(tabStop(*decline));

    clicks.clear();
    click(*decline);
    ClickRecord declined{"AdvOfficeRadioButton2", false, true};
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{declined, declined}));
}

TEST_F(RadioButtonTest, ClickOnTheChosenButtonChangesNothingAndRaisesOneClick) {
    click(*decline);
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{{"AdvOfficeRadioButton2", false, true}}));
    EXPECT_TRUE(decline->checked());
    EXPECT_FALSE(accept->checked());
}

TEST_F(RadioButtonTest, ReleaseOutsideTheButtonIsNoClick) {
    SendMessageA(accept->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(accept->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    // The press gave the button the focus, and the focus alone chooses.
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{{"AdvOfficeRadioButton1", true, false}}));
}

TEST_F(RadioButtonTest, FocusChoosesAndArrowKeysMoveWithinTheGroup) {
    SetFocus(accept->hwnd());
    EXPECT_TRUE(accept->checked());
    EXPECT_FALSE(decline->checked());

    SendMessageA(accept->hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(GetFocus(), decline->hwnd());
    EXPECT_TRUE(decline->checked());
    EXPECT_FALSE(accept->checked());

    SendMessageA(decline->hwnd(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(accept->checked());
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{{"AdvOfficeRadioButton1", true, false},
                                                {"AdvOfficeRadioButton2", false, true},
                                                {"AdvOfficeRadioButton1", true, false}}));
}

TEST_F(RadioButtonTest, SpaceReleasedOnTheFocusedButtonRaisesItsClick) {
    SetFocus(accept->hwnd());
    clicks.clear();
    SendMessageA(accept->hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(accept->hwnd(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(clicks, (std::vector<ClickRecord>{{"AdvOfficeRadioButton1", true, false}}));
}

TEST_F(RadioButtonTest, SettingTheStateMovesTheGroupWithoutAClick) {
    accept->setChecked(true);
    EXPECT_TRUE(accept->checked());
    EXPECT_FALSE(decline->checked());
    EXPECT_TRUE(tabStop(*accept));
    EXPECT_FALSE(tabStop(*decline));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(RadioButtonTest, ButtonsOfAnotherParentAreAnotherGroup) {
    TestParent otherParent;
    RadioButton other("other", Control::Bounds{0, 0, 100, 20}, "other", font, false);
    other.createHandle(otherParent.hwnd());
    other.setChecked(true);
    EXPECT_TRUE(decline->checked());

    click(*accept);
    EXPECT_TRUE(other.checked());
}

TEST_F(RadioButtonTest, PaintsOverTheParentPicture) {
    // The far right of the button is beyond its caption.
    EXPECT_EQ(printedPixel(accept->hwnd(), 133, 1), parentColour);
    EXPECT_NE(printedPixel(accept->hwnd(), 7, 10), parentColour);
}

} // namespace
