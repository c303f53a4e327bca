// The licence, selection and installing pages of the window, on the demo
// package laid out beside the test program (its working directory too).
#include "main_form_fixture.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string windowText(HWND window) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The centre of a grid cell in client coordinates of the grid, from the
// column widths 20 / 40 / 140 / 168 and the rows of 28 pixels.
POINT cellCentre(int col, int row) {
    const int lefts[] = {0, 20, 60, 200};
    const int widths[] = {20, 40, 140, 168};
    return POINT{lefts[col] + widths[col] / 2, row * 28 + 14};
}

void pressInGrid(int col, int row) {
    POINT point = cellCentre(col, row);
    HWND grid = mainForm().AdvStringGrid1.hwnd();
    SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageA(grid, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

TEST(LicencePage, ShowsTheAgreementAndStartsDeclined) {
    TfrmMain& form = mainForm();
    EXPECT_NE(windowText(form.RichEdit1.hwnd()).find("最终用户许可协议"), std::string::npos);
    EXPECT_EQ(form.RichEdit1.bounds().left, 35);
    EXPECT_TRUE(form.AdvOfficeRadioButton2.checked());
    EXPECT_FALSE(form.sePngXButton7.enabled());
}

TEST(LicencePage, NextIsEnabledExactlyWhileAcceptIsChosen) {
    TfrmMain& form = mainForm();
    goToPage(2);
    clickAt(form.AdvOfficeRadioButton1.hwnd());
    EXPECT_TRUE(form.AdvOfficeRadioButton1.checked());
    EXPECT_TRUE(form.sePngXButton7.enabled());
    clickAt(form.AdvOfficeRadioButton1.hwnd());
    EXPECT_TRUE(form.sePngXButton7.enabled()) << "clicking the chosen option changes nothing";

    form.sePngXButton1Click(form);
    form.sePngXButton5Click(form);
    EXPECT_EQ(form.seNoteBook1.PageIndex(), 2);
    EXPECT_TRUE(form.sePngXButton7.enabled()) << "the choice survives leaving the page";

    clickAt(form.AdvOfficeRadioButton2.hwnd());
    EXPECT_FALSE(form.AdvOfficeRadioButton1.checked());
    EXPECT_FALSE(form.sePngXButton7.enabled());
    goToPage(0);
}

TEST(SelectionPage, StartUpFillsOneTickedRowPerFont) {
    TfrmMain& form = mainForm();
    EXPECT_EQ(FontFileCount, 12);
    EXPECT_EQ(form.AdvStringGrid1.RowCount(), 13);
    EXPECT_EQ(form.AdvStringGrid1.RowHeight(1), 28);
    EXPECT_EQ(form.Edit1.text(), "C:\\Windows\\Fonts");
    EXPECT_EQ(form.acLabel2.caption(), "已选择字体款数：12");
    EXPECT_EQ(form.acLabel3.caption().rfind("需要硬盘空间：", 0), 0u);
    EXPECT_EQ(form.acLabel3.caption().substr(form.acLabel3.caption().size() - 3), " MB");
    EXPECT_EQ(form.acLabel4.caption().substr(form.acLabel4.caption().size() - 3), " GB");
    ASSERT_EQ(FontSelection.count(), 12u);
    for (int row = 1; row <= 12; ++row) {
        bool ticked = false;
        EXPECT_TRUE(form.AdvStringGrid1.GetCheckBoxState(0, row, ticked));
        EXPECT_TRUE(ticked);
        EXPECT_EQ(form.AdvStringGrid1.Cells(1, row), std::to_string(row));
    }
    EXPECT_EQ(form.AdvStringGrid1.Cells(2, 1), "文鼎简宋体");
}

TEST(SelectionPage, UntickingRewritesItsSelectionLineInPlaceAndTheTexts) {
    TfrmMain& form = mainForm();
    std::vector<std::string> before = FontSelection.lines();
    std::string required = form.acLabel3.caption();

    pressInGrid(0, 3);
    EXPECT_EQ(SelectedFontCount, 11);
    EXPECT_EQ(form.acLabel2.caption(), "已选择字体款数：11");
    EXPECT_NE(form.acLabel3.caption(), required);
    std::vector<std::string> after = FontSelection.lines();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i] == "2=1" ? "2=0" : before[i]);

    pressInGrid(2, 3);
    EXPECT_EQ(SelectedFontCount, 11) << "a press on the title only selects";

    pressInGrid(0, 3);
    EXPECT_EQ(FontSelection.lines(), before);
    EXPECT_EQ(form.acLabel3.caption(), required);
}

// The installing page with a run of the test's own in place of the real one.
class InstallingPage : public ::testing::Test {
  protected:
    void SetUp() override {
        TfrmMain& form = mainForm();
        realRun = form.InstallRun;
        goToPage(3);
        form.sePngXButton14.setEnabled(false);
        form.Timer1.setEnabled(false);
        form.Timer1.setInterval(2000);
        SlideIndex = 0;
        form.seImage1.setImageIndex(0);
    }
    void TearDown() override {
        TfrmMain& form = mainForm();
        form.InstallRun = realRun;
        form.Timer1.setEnabled(false);
        form.Timer2.setEnabled(false);
        form.Timer3.setEnabled(false);
        goToPage(0);
    }
    void arriveAndWait(DWORD ms) {
        mainForm().sePngXButton1Click(mainForm());
        pumpMessages(ms);
    }

    std::function<bool(const package::TextList&)> realRun;
    int runs = 0;
};

TEST_F(InstallingPage, ASuccessfulRunMovesToTheFinishPageHalfASecondLater) {
    TfrmMain& form = mainForm();
    form.InstallRun = [this](const package::TextList&) { return ++runs > 0; };
    arriveAndWait(1700);
    EXPECT_EQ(runs, 0) << "the run waits two seconds from the page change";
    EXPECT_EQ(form.seNoteBook1.PageIndex(), 4);
    pumpMessages(500);
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(form.sePngXButton14.enabled());
    EXPECT_EQ(form.seNoteBook1.PageIndex(), 4);
    pumpMessages(700);
    EXPECT_EQ(form.seNoteBook1.PageIndex(), 5);
    EXPECT_FALSE(form.Timer2.Enabled());
    EXPECT_FALSE(form.Timer3.Enabled());
}

TEST_F(InstallingPage, NextClickedBeforeTheAutomaticMoveMovesOnce) {
    TfrmMain& form = mainForm();
    form.InstallRun = [](const package::TextList&) { return true; };
    arriveAndWait(2150);
    ASSERT_TRUE(form.sePngXButton14.enabled());
    int changes = 0;
    auto wired = form.seNoteBook1.OnPageChanged;
    form.seNoteBook1.OnPageChanged = [&changes](Component&) { ++changes; };
    clickAt(form.sePngXButton14.hwnd());
    pumpMessages(700);
    form.seNoteBook1.OnPageChanged = wired;
    EXPECT_EQ(form.seNoteBook1.PageIndex(), 5);
    EXPECT_EQ(changes, 1);
}

TEST_F(InstallingPage, AFailedOrThrowingRunStaysWithNextDisabledAndTheSlidesGoOn) {
    TfrmMain& form = mainForm();
    for (bool throws : {false, true}) {
        SetUp();
        form.InstallRun = [throws](const package::TextList&) -> bool {
            if (throws)
                throw std::runtime_error("Failed to set data for 'x (TrueType)'");
            return false;
        };
        arriveAndWait(2200);
        // The slideshow's pace is not under test here: tick every 150 ms.
        form.Timer1.setInterval(150);
        std::vector<int> shown;
        for (int tick = 0; tick < 5; ++tick) {
            pumpMessages(150);
            shown.push_back(form.seImage1.ImageIndex());
        }
        EXPECT_EQ(form.seNoteBook1.PageIndex(), 4) << throws;
        EXPECT_FALSE(form.sePngXButton14.enabled()) << throws;
        EXPECT_FALSE(form.Timer3.Enabled()) << throws;
        EXPECT_TRUE(form.Timer1.Enabled()) << throws;
        std::set<int> distinct(shown.begin(), shown.end());
        EXPECT_GE(distinct.size(), 3u) << "the slideshow keeps changing";
    }
}

TEST(Slideshow, TicksShowPicturesZeroOneTwoThreeZero) {
    TfrmMain& form = mainForm();
    SlideIndex = 0;
    form.seImage1.setImageIndex(0);
    std::vector<int> shown;
    for (int tick = 0; tick < 5; ++tick) {
        form.Timer1Timer(form.Timer1);
        shown.push_back(form.seImage1.ImageIndex());
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_EQ(SlideIndex, 1);
}

} // namespace
