// The installing page's progress bar.
#include "widgets/progress_bar.h"

#include "tests/win32/controls/test_parent.h"

#include <gtest/gtest.h>

namespace {

bool sameColours(const LevelColours& a, const LevelColours& b) {
    return a.from == b.from && a.to == b.to;
}

TEST(ProgressLevelColours, FollowTheLevelThresholds) {
    const LevelColours green{RGB(0, 255, 0), RGB(225, 255, 225)};
    const LevelColours yellow{RGB(255, 255, 0), RGB(255, 255, 202)};
    const LevelColours orange{RGB(255, 169, 83), RGB(255, 211, 168)};
    const LevelColours red{RGB(255, 0, 0), RGB(255, 202, 202)};
    struct Case {
        int percent;
        LevelColours colours;
    } cases[] = {{0, green},   {69, green},  {70, yellow}, {89, yellow},
                 {90, orange}, {99, orange}, {100, red}};
    for (const Case& c : cases)
        EXPECT_TRUE(sameColours(progressLevelColours(c.percent), c.colours)) << c.percent;
}

TEST(ProgressBar, PositionIsHeldInsideTheRange) {
    struct Case {
        int set;
        int held;
    } cases[] = {{-5, 0}, {0, 0}, {55, 55}, {100, 100}, {101, 100}, {1000, 100}};
    ProgressBar bar("AdvProgressBar1", Control::Bounds{64, 64, 313, 18});
    for (const Case& c : cases) {
        bar.setPosition(c.set);
        EXPECT_EQ(bar.position(), c.held) << c.set;
        EXPECT_EQ(bar.percent(), c.held) << c.set;
    }
}

bool between(int value, int a, int b) {
    return value >= (a < b ? a : b) && value <= (a < b ? b : a);
}

// True when `pixel` lies between the two colours of the pair, channel by
// channel, as every point of a block's shading does.
bool shadedWith(COLORREF pixel, const LevelColours& colours) {
    return between(GetRValue(pixel), GetRValue(colours.from), GetRValue(colours.to)) &&
           between(GetGValue(pixel), GetGValue(colours.from), GetGValue(colours.to)) &&
           between(GetBValue(pixel), GetBValue(colours.from), GetBValue(colours.to));
}

class ProgressBarPaint : public ::testing::Test {
  protected:
    void SetUp() override { bar.createHandle(parent.hwnd()); }

    TestParent parent;
    ProgressBar bar{"AdvProgressBar1", Control::Bounds{64, 64, 313, 18}};
};

TEST_F(ProgressBarPaint, FillsInTheColoursOfTheCurrentLevel) {
    for (int position : {1, 69, 70, 90, 100}) {
        bar.setPosition(position);
        EXPECT_TRUE(shadedWith(printedPixel(bar.hwnd(), 4, 9), progressLevelColours(position)))
            << position;
    }
}

TEST_F(ProgressBarPaint, LeavesTheRestWhiteAndTheCornersToTheParent) {
    bar.setPosition(50);
    EXPECT_EQ(printedPixel(bar.hwnd(), 300, 9), RGB(255, 255, 255));
    EXPECT_EQ(printedPixel(bar.hwnd(), 0, 0), parentColour);
    EXPECT_EQ(printedPixel(bar.hwnd(), 312, 9), RGB(128, 128, 128));
}

TEST_F(ProgressBarPaint, ShowsNoFillAtZero) {
    bar.setPosition(0);
    EXPECT_EQ(printedPixel(bar.hwnd(), 4, 9), RGB(255, 255, 255));
}

// The installation run keeps the thread busy, so the bar must be on screen
// before any message is processed.
TEST_F(ProgressBarPaint, SettingThePositionPaintsTheScreenAtOnce) {
    parent.show();
    bar.setPosition(0);
    WindowDc screen(bar.hwnd());
    ASSERT_EQ(GetPixel(screen.get(), 4, 9), RGB(255, 255, 255));

    bar.setPosition(100);
    EXPECT_TRUE(shadedWith(GetPixel(screen.get(), 4, 9), progressLevelColours(100)));
    EXPECT_FALSE(GetUpdateRect(bar.hwnd(), nullptr, FALSE));
}

} // namespace
