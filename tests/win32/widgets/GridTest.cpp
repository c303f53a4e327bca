// The font grid in-process under Wine: its operations, the user's presses
// and keys, the scroll bars and what it draws. Geometry is written out in
// pixels (columns 20 / 40 / 140 / 168, rows of 28) so a layout fault shows.
#include "tests/win32/widgets/grid_fixture.h"

#include "package/font_grid.h"
#include "system/errors.h"
#include "widgets/application.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRow = 28;

struct Click {
    int col, row;
    bool state;
    bool seenInside; // what GetCheckBoxState said while the handler ran
};

class GridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Application::instance().setExceptionHandler(
            [this](Component*, const std::exception& e) { errors.push_back(e.what()); });
        applyPageLayout(grid);
        grid.createHandle(host.get());
        grid.OnCheckBoxClick = [this](Component& sender, int col, int row, bool state) {
            EXPECT_EQ(&sender, &grid);
            bool inside = !state;
            grid.GetCheckBoxState(col, row, inside);
            clicks.push_back({col, row, state, inside});
        };
    }
    void TearDown() override { Application::instance().setExceptionHandler(nullptr); }

    bool boxState(int row) {
        bool state = false;
        EXPECT_TRUE(grid.GetCheckBoxState(0, row, state)) << "row " << row;
        return state;
    }

    HostWindow host;
    StringGrid grid{"AdvStringGrid1", {16, 56, 401, 265}};
    std::vector<Click> clicks;
    std::vector<std::string> errors;
};

// --- operations -------------------------------------------------------------

TEST_F(GridTest, RowCountStaysPositiveAndDropsFixedRowsItWouldSwallow) {
    struct Case {
        int count, rows, fixedRows;
    } cases[] = {{-5, 1, 0}, {0, 1, 0}, {1, 1, 0}, {2, 2, 1}, {13, 13, 1}};
    for (const Case& c : cases) {
        StringGrid fresh("g", {0, 0, 401, 265});
        applyPageLayout(fresh);
        fresh.setRowCount(c.count);
        EXPECT_EQ(fresh.RowCount(), c.rows) << "count " << c.count;
        EXPECT_EQ(fresh.FixedRows(), c.fixedRows) << "count " << c.count;
        EXPECT_EQ(fresh.Cells(1, 0), "序号") << "count " << c.count;
    }
}

TEST_F(GridTest, OneRowGridTreatsItsOnlyRowAsAnOrdinaryRow) {
    grid.setRowCount(1);
    grid.AddCheckBox(0, 0, true, false);
    pressAt(grid, 5, 10);
    EXPECT_FALSE(boxState(0));
    EXPECT_EQ(grid.Row(), 0);
}

TEST_F(GridTest, RowsCutOffByTheRowCountComeBackEmpty) {
    addFontRows(grid, 9, 0, 8);
    grid.setRowCount(3);
    EXPECT_EQ(grid.Cells(2, 2), "字体1");
    grid.setRowCount(9);
    bool state = false;
    EXPECT_FALSE(grid.GetCheckBoxState(0, 5, state));
    EXPECT_EQ(grid.Cells(2, 5), "");
}

TEST_F(GridTest, DefaultRowHeightDropsEveryPerRowHeight) {
    EXPECT_EQ(grid.RowHeight(0), 22);
    EXPECT_EQ(grid.RowHeight(1), 30);
    grid.setDefaultRowHeight(28);
    for (int row = 0; row < grid.RowCount(); ++row)
        EXPECT_EQ(grid.RowHeight(row), 28) << "row " << row;
}

TEST_F(GridTest, CellsOutsideTheGridAreInvalid) {
    struct Case {
        int col, row;
    } outside[] = {{4, 1}, {0, 10}, {4, 10}, {-1, 1}, {0, -1}, {100, 100}};
    imaging::Picture picture;
    for (const Case& c : outside) {
        try {
            grid.AddCheckBox(c.col, c.row, true, false);
            ADD_FAILURE() << "no error at " << c.col << "," << c.row;
        } catch (const EInvalidGridOperation& e) {
            EXPECT_STREQ(e.what(), "Invalid cell");
        }
        EXPECT_THROW(grid.setCell(c.col, c.row, "x"), EInvalidGridOperation);
        EXPECT_THROW(grid.AddBitmap(c.col, c.row, &picture, true, package::CellHAlign::Center,
                                    package::CellVAlign::Center),
                     EInvalidGridOperation);
        bool state = false;
        EXPECT_FALSE(grid.GetCheckBoxState(c.col, c.row, state));
        EXPECT_EQ(grid.Cells(c.col, c.row), "");
    }
    EXPECT_NO_THROW(grid.AddCheckBox(3, 9, false, false));
}

TEST_F(GridTest, CheckBoxStateOnlyForCellsWithABox) {
    grid.AddCheckBox(0, 1, true, false);
    grid.AddCheckBox(0, 2, false, false);
    grid.setCell(1, 3, "3");
    grid.setCell(0, 4, "text kept");
    grid.AddCheckBox(0, 4, true, false);

    bool state = true;
    EXPECT_FALSE(grid.GetCheckBoxState(0, 5, state)) << "empty cell";
    EXPECT_FALSE(grid.GetCheckBoxState(1, 3, state)) << "text cell";
    EXPECT_TRUE(state) << "untouched when there is no box";
    EXPECT_TRUE(boxState(1));
    EXPECT_FALSE(boxState(2));
    EXPECT_TRUE(boxState(4));
    EXPECT_EQ(grid.Cells(0, 4), "text kept");

    package::FontGrid& scanView = grid;
    scanView.setRowCount(6);
    EXPECT_EQ(scanView.rowCount(), 6);
    EXPECT_TRUE(scanView.getCheckBoxState(0, 2, state));
    EXPECT_FALSE(state);
}

// --- mouse and keys -----------------------------------------------------------

class FontRowsTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        addFontRows(grid, 8, 0, 5); // rows 1-5 hold fonts, rows 6 and 7 stay empty
    }
};

TEST_F(FontRowsTest, PressAnywhereInColumnZeroFlipsThenReports) {
    struct Case {
        int x, y, row;
    } presses[] = {
        {10, 2 * kRow + 14, 2}, // the box itself
        {19, 3 * kRow + 27, 3}, // the cell's last pixel, far from the box
        {0, 4 * kRow, 4},       // the cell's first pixel
    };
    for (const Case& p : presses) {
        clicks.clear();
        pressAt(grid, p.x, p.y);
        EXPECT_FALSE(boxState(p.row)) << "row " << p.row;
        EXPECT_EQ(grid.Row(), p.row);
        ASSERT_EQ(clicks.size(), 1u) << "row " << p.row;
        EXPECT_EQ(clicks[0].col, 0);
        EXPECT_EQ(clicks[0].row, p.row);
        EXPECT_FALSE(clicks[0].state);
        EXPECT_FALSE(clicks[0].seenInside);
    }
    pressAt(grid, 10, 2 * kRow + 14);
    EXPECT_TRUE(boxState(2));
    EXPECT_TRUE(clicks.back().state);
}

TEST_F(FontRowsTest, PressesElsewhereOnlySelect) {
    struct Case {
        int x, y, selected;
    } presses[] = {
        {20, 2 * kRow + 14, 2},  // first pixel of column 1
        {100, 3 * kRow + 5, 3},  // the title
        {300, 4 * kRow + 14, 4}, // the picture
        {10, 6 * kRow + 14, 6},  // column 0 of an empty row
        {10, 14, 6},             // the header keeps the selection
        {390, 2 * kRow + 14, 6}, // right of the last column
        {10, 8 * kRow + 5, 6},   // below the last row
    };
    for (const Case& p : presses) {
        pressAt(grid, p.x, p.y);
        EXPECT_EQ(grid.Row(), p.selected) << p.x << "," << p.y;
    }
    EXPECT_TRUE(clicks.empty());
    for (int row = 1; row <= 5; ++row)
        EXPECT_TRUE(boxState(row)) << "row " << row;
}

TEST_F(FontRowsTest, SpaceFlipsTheCurrentRowWhichUpAndDownMove) {
    EXPECT_EQ(grid.Row(), 1);
    pressKey(grid, VK_SPACE);
    EXPECT_FALSE(boxState(1));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].row, 1);
    EXPECT_FALSE(clicks[0].seenInside);

    pressKey(grid, VK_DOWN);
    pressKey(grid, VK_DOWN);
    EXPECT_EQ(grid.Row(), 3);
    pressKey(grid, VK_SPACE);
    EXPECT_FALSE(boxState(3));
    EXPECT_TRUE(boxState(2));

    pressKey(grid, VK_UP);
    pressKey(grid, VK_UP);
    pressKey(grid, VK_UP);
    EXPECT_EQ(grid.Row(), 1) << "the header never becomes current";
    pressKey(grid, VK_SPACE);
    EXPECT_TRUE(boxState(1));
    EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(FontRowsTest, SpaceOnAnEmptyRowDoesNothing) {
    pressAt(grid, 100, 6 * kRow + 14);
    pressKey(grid, VK_SPACE);
    pressKey(grid, VK_DOWN);
    pressKey(grid, VK_DOWN);
    EXPECT_EQ(grid.Row(), 7) << "Down stops at the last row";
    pressKey(grid, VK_SPACE);
    EXPECT_TRUE(clicks.empty());
    bool state = false;
    EXPECT_FALSE(grid.GetCheckBoxState(0, 6, state));
    EXPECT_FALSE(grid.GetCheckBoxState(0, 7, state));
}

TEST_F(FontRowsTest, AFailingHandlerLeavesTheFlipAndReachesTheApplication) {
    grid.OnCheckBoxClick = [](Component&, int, int, bool) { throw EConvertError("not a flag"); };
    pressAt(grid, 10, kRow + 14);
    EXPECT_FALSE(boxState(1));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "not a flag");
}

TEST_F(FontRowsTest, ShiftAndDragSelectRangesOfRows) {
    pressAt(grid, 100, 2 * kRow + 14);
    SendMessageA(grid.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(100, 4 * kRow));
    EXPECT_EQ(grid.selection().first, 2);
    EXPECT_EQ(grid.selection().last, 4);

    SendMessageA(grid.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5 * kRow));
    SendMessageA(grid.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 3 * kRow));
    SendMessageA(grid.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(100, 3 * kRow));
    EXPECT_EQ(grid.selection().first, 3);
    EXPECT_EQ(grid.selection().last, 5);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_TRUE(clicks.empty());
}

// --- scrolling --------------------------------------------------------------------

bool hasStyle(const StringGrid& grid, LONG style) {
    return (GetWindowLongA(grid.hwnd(), GWL_STYLE) & style) != 0;
}

TEST_F(GridTest, ScrollBarsShowOnlyWhenRowsOrColumnsOverflow) {
    struct Case {
        int rows;
        std::vector<int> widths;
        bool vertical, horizontal;
    } cases[] = {
        {9, {20, 40, 140, 168}, false, false}, // 9 x 28 = 252 fits into 263
        {10, {20, 40, 140, 168}, true, false},
        {1000, {20, 40, 140, 168}, true, false},
        {8, {20, 40, 140, 400}, false, true},
        {9, {20, 40, 140, 400}, true, true},   // the rows fit only without the lower bar
        {9, {20, 40, 140, 185}, false, false}, // 385 fits into 399
        {10, {20, 40, 140, 185}, true, true},  // but not beside the vertical bar
    };
    for (const Case& c : cases) {
        grid.setColWidths(c.widths);
        addFontRows(grid, c.rows, 0, 0);
        EXPECT_EQ(hasStyle(grid, WS_VSCROLL), c.vertical) << c.rows << " rows";
        EXPECT_EQ(hasStyle(grid, WS_HSCROLL), c.horizontal) << c.widths[3] << " wide";
    }
}

TEST_F(GridTest, MovingDownScrollsAndPressesHitTheScrolledRows) {
    addFontRows(grid, 101, 0, 100);
    for (int i = 0; i < 20; ++i)
        pressKey(grid, VK_DOWN);
    EXPECT_EQ(grid.Row(), 21);
    // Eight rows fit in full under the header: row 21 is the last of them.
    EXPECT_EQ(grid.TopRow(), 14);

    pressAt(grid, 10, kRow + 3);
    EXPECT_FALSE(boxState(14));
    EXPECT_TRUE(boxState(1));

    SendMessageA(grid.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(grid.TopRow(), 17);
    SendMessageA(grid.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid.TopRow(), 93) << "rows 93 to 100 show in full";
    pressKey(grid, VK_HOME);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_EQ(grid.Row(), 1);
}

// --- what it draws ----------------------------------------------------------------

class Snapshot {
  public:
    explicit Snapshot(StringGrid& grid) {
        RECT client{};
        GetClientRect(grid.hwnd(), &client);
        width_ = client.right;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        SendMessageA(grid.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + client.right * client.bottom);
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const {
        std::uint32_t bgra = pixels_[y * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

  private:
    int width_ = 0;
    std::vector<std::uint32_t> pixels_;
};

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// 8 x 4, red with the key colour at (2, 0) and in the bottom-left corner.
imaging::Picture keyedPicture() {
    imaging::Picture picture;
    picture.width = 8;
    picture.height = 4;
    picture.pixels.assign(32, 0xFFC80000);
    picture.pixels[2] = 0xFFFF00FF;
    picture.pixels[3 * 8] = 0x00FF00FF; // the alpha of the key does not count
    return picture;
}

TEST_F(GridTest, LinesInTheirColoursAndPicturesCentredUnscaledWithTheirKeyLeftOut) {
    addFontRows(grid, 8, 0, 5);
    imaging::Picture picture = keyedPicture();
    grid.AddBitmap(3, 3, &picture, true, package::CellHAlign::Center, package::CellVAlign::Center);
    grid.AddBitmap(3, 4, &picture, false, package::CellHAlign::Center, package::CellVAlign::Center);
    Snapshot shot(grid);

    EXPECT_EQ(shot.at(19, 10), RGB(209, 210, 212)) << "header column line";
    EXPECT_EQ(shot.at(100, 27), RGB(209, 210, 212)) << "header bottom line";
    EXPECT_EQ(shot.at(19, 3 * kRow + 10), RGB(240, 236, 236)) << "cell column line";
    EXPECT_EQ(shot.at(100, 4 * kRow - 1), RGB(240, 236, 236)) << "cell bottom line";

    // Column 3 spans 200..366 inside its line, row 3 spans 84..110: an 8 x 4
    // picture centred there starts at (279, 95).
    int left = 279, top = 95;
    EXPECT_EQ(shot.at(left, top), kRed);
    EXPECT_EQ(shot.at(left + 7, top + 3), kRed);
    EXPECT_EQ(shot.at(left + 1, top + 3), kRed);
    EXPECT_EQ(shot.at(left - 1, top), kWhite);
    EXPECT_EQ(shot.at(left + 8, top), kWhite) << "not scaled";
    EXPECT_EQ(shot.at(left, top + 4), kWhite) << "not scaled";
    EXPECT_EQ(shot.at(left + 2, top), kWhite) << "key colour left out";
    EXPECT_EQ(shot.at(left, top + 3), kWhite) << "key colour left out";
    EXPECT_EQ(shot.at(left + 2, top + kRow), kKey) << "drawn opaque when not transparent";

    picture.pixels[0] = 0xFF00C800;
    EXPECT_EQ(Snapshot(grid).at(left, top), RGB(0, 200, 0)) << "the grid refers to the picture";
}

TEST_F(GridTest, PicturesLargerThanTheirCellAreClippedToIt) {
    addFontRows(grid, 8, 0, 5);
    imaging::Picture wide;
    wide.width = 400;
    wide.height = 60;
    wide.pixels.assign(400 * 60, 0xFFC80000);
    wide.pixels[59 * 400] = 0xFFFF00FF;
    grid.AddBitmap(3, 3, &wide, true, package::CellHAlign::Center, package::CellVAlign::Center);
    grid.AddBitmap(3, 5, &wide, false, package::CellHAlign::Center, package::CellVAlign::Center);
    Snapshot shot(grid);
    EXPECT_EQ(shot.at(200, 3 * kRow), kRed);
    EXPECT_EQ(shot.at(366, 4 * kRow - 2), kRed);
    EXPECT_EQ(shot.at(367, 3 * kRow + 5), RGB(240, 236, 236));
    EXPECT_EQ(shot.at(370, 3 * kRow + 5), kWhite);
    EXPECT_EQ(shot.at(199, 3 * kRow + 5), RGB(240, 236, 236)) << "column 2 keeps its line";
    EXPECT_EQ(shot.at(300, 4 * kRow + 5), kWhite) << "row 4 untouched";
}

TEST_F(GridTest, SelectionCoversTheWholeRow) {
    addFontRows(grid, 8, 0, 5);
    pressAt(grid, 100, 2 * kRow + 5);
    Snapshot shot(grid);
    COLORREF title = shot.at(180, 2 * kRow + 14);
    EXPECT_NE(title, kWhite);
    EXPECT_EQ(shot.at(300, 2 * kRow + 14), title);
    EXPECT_EQ(shot.at(300, 3 * kRow + 14), kWhite);
}

} // namespace
