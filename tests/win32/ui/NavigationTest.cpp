// Next, Back and the page change, driven through the handlers and by real
// clicks on the picture buttons.
#include "main_form_fixture.h"

#include <set>
#include <stdexcept>

namespace {

class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        goToPage(0);
        changes = 0;
        wired = mainForm().seNoteBook1.OnPageChanged;
        mainForm().seNoteBook1.OnPageChanged = [this](Component&) {
            ++changes;
            coverUpAtChange =
                FindWindowExA(mainForm().hwnd(), nullptr, "ZarnikCover", nullptr) != nullptr;
        };
    }
    void TearDown() override {
        mainForm().seNoteBook1.OnPageChanged = wired;
        goToPage(0);
    }

    int page() const { return mainForm().seNoteBook1.PageIndex(); }

    std::function<void(Component&)> wired;
    int changes = 0;
    bool coverUpAtChange = false;
};

TEST_F(Navigation, NextAndBackStopAtTheEnds) {
    TfrmMain& form = mainForm();
    form.sePngXButton5Click(form);
    EXPECT_EQ(page(), 0);
    goToPage(5);
    changes = 0;
    form.sePngXButton1Click(form);
    EXPECT_EQ(page(), 5);
    EXPECT_EQ(changes, 0);
    form.sePngXButton5Click(form);
    EXPECT_EQ(page(), 4);
}

TEST_F(Navigation, TheSamePageOrOneOutOfRangeFiresNoEvent) {
    for (int index : {0, -1, 6}) {
        mainForm().seNoteBook1.setPageIndex(index);
        EXPECT_EQ(page(), 0);
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(Navigation, PageChangedComesWhileTheCoverIsUpAndTheCoverGoesAfter) {
    mainForm().sePngXButton1Click(mainForm());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(coverUpAtChange);
    EXPECT_EQ(FindWindowExA(mainForm().hwnd(), nullptr, "ZarnikCover", nullptr), nullptr);
}

TEST_F(Navigation, OnlyTheShownPageIsVisible) {
    goToPage(3);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(IsWindowVisible(mainForm().seNoteBook1.page(i).hwnd()) != FALSE, i == 3) << i;
}

TEST_F(Navigation, ClickOnEnterMovesToTheIntroduction) {
    clickAt(mainForm().sePngXButton1.hwnd());
    EXPECT_EQ(page(), 1);
}

TEST_F(Navigation, DisabledNextOfTheLicencePageIgnoresClicks) {
    goToPage(2);
    ASSERT_FALSE(mainForm().sePngXButton7.enabled());
    clickAt(mainForm().sePngXButton7.hwnd());
    EXPECT_EQ(page(), 2);
}

TEST_F(Navigation, ASecondClickDuringTheTransitionFallsOnTheCover) {
    goToPage(1);
    TfrmMain& form = mainForm();
    form.seAnimation1.setDuration(400);
    form.seNoteBook1.OnPageChanged = [&form](Component&) {
        sendClickAt(form.sePngXButton6.hwnd());
    };
    clickAt(form.sePngXButton3.hwnd());
    pumpMessages(600);
    form.seAnimation1.setDuration(60);
    EXPECT_EQ(page(), 2) << "the click meant for page 2's Back must not get through";
}

TEST_F(Navigation, EveryChangePicksItsEffectAfresh) {
    std::set<std::size_t> effects;
    for (int page : {1, 2, 3, 2, 1, 0, 1, 0}) {
        goToPage(page);
        effects.insert(mainForm().seAnimation1.lastEffect());
    }
    EXPECT_GE(effects.size(), 2u);
}

TEST_F(Navigation, AThrowingHandlerLeavesTheWindowUsable) {
    TfrmMain& form = mainForm();
    auto next = form.sePngXButton1.OnClick;
    form.sePngXButton1.OnClick = [](Component&) { throw std::runtime_error("boom"); };
    clickAt(form.sePngXButton1.hwnd());
    EXPECT_EQ(page(), 0);
    form.sePngXButton1.OnClick = next;
    clickAt(form.sePngXButton1.hwnd());
    EXPECT_EQ(page(), 1);
}

} // namespace
