#include "package/font_scan.h"

#include "package/disk_space.h"
#include "system/errors.h"
#include "tests/unit/support/fake_grid.h"
#include "tests/unit/support/fake_system.h"
#include "tests/unit/support/test_bmp.h"

#include <gtest/gtest.h>

namespace {

using package::TextList;

const std::string appDir = "C:\\Setup\\";
const std::string fonts = appDir + "fonts\\";

class FontScanTest : public testing::Test {
  protected:
    // Entry n: title "Font n", the given file, preview "pn.bmp" (a 2 x 1 bitmap).
    void catalogue(const std::vector<std::string>& files, const std::string& extra = "") {
        std::string ini = "[fonts]\r\n";
        for (std::size_t n = 0; n < files.size(); ++n) {
            const std::string i = std::to_string(n);
            ini += "font" + i + "title=Font " + i + "\r\nfont" + i + "file=" + files[n] +
                   "\r\nfont" + i + "image=p" + i + ".bmp\r\n";
            system.addFile(fonts + "p" + i + ".bmp", fake::makeBmp(2, 1));
        }
        system.addFile(appDir + "fonts.ini", ini + extra);
    }
    void fontFiles(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            system.addFileOfSize(fonts + name, 100);
    }
    // The start-up steps in the window's order; returns the file list.
    package::FontFileList scan() {
        package::loadCatalogue(fontCatalogue, appDir);
        const package::FontFileList list = package::listPackageFonts(system, appDir);
        package::sizeFontGrid(grid, list.fontFileCount);
        package::fillFontRows(list.names, fontCatalogue, selection, appDir, system, grid, previews);
        return list;
    }
    void expectFilledRow(int row, const std::string& title) {
        const fake::GridCell box = grid.cell(0, row);
        EXPECT_TRUE(box.hasCheckBox && box.checked && !box.data) << "row " << row;
        EXPECT_EQ(grid.cell(1, row).text, std::to_string(row));
        EXPECT_EQ(grid.cell(2, row).text, title);
        const fake::GridCell picture = grid.cell(3, row);
        ASSERT_NE(picture.picture, nullptr) << "row " << row;
        EXPECT_TRUE(picture.transparent);
        EXPECT_EQ(picture.hAlign, package::CellHAlign::Center);
        EXPECT_EQ(picture.vAlign, package::CellVAlign::Center);
    }
    void expectEmptyRow(int row) {
        for (int col = 0; col < 4; ++col) {
            const fake::GridCell cell = grid.cell(col, row);
            EXPECT_FALSE(cell.hasCheckBox || !cell.text.empty() || cell.picture)
                << "cell " << col << "," << row;
        }
    }

    fake::FakeSystem system;
    fake::FakeGrid grid;
    TextList fontCatalogue{system};
    TextList selection{system};
    package::PreviewKeeper previews;
};

TEST_F(FontScanTest, RowsFollowTheCatalogueAndSelectionLinesTheFileOrder) {
    catalogue({"c.ttf", "a.ttf", "b.otf"});
    fontFiles({"b.otf", "c.ttf", "a.ttf"});
    const package::FontFileList list = scan();

    EXPECT_EQ(list.fontFileCount, 3);
    EXPECT_EQ(list.selectedFontCount, 3);
    EXPECT_EQ(grid.rows, 4);
    EXPECT_EQ(grid.defaultRowHeight, 28);
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"1=1", "0=1", "2=1"}));
    for (int row = 1; row <= 3; ++row)
        expectFilledRow(row, "Font " + std::to_string(row - 1));
    ASSERT_EQ(previews.size(), 3u);
    EXPECT_EQ(grid.cell(3, 2).picture, previews[0].get());
    EXPECT_EQ(previews[0]->width, 2);
    EXPECT_EQ(previews[0]->height, 1);
}

TEST_F(FontScanTest, OneRowIsFilledInItsFixedOrder) {
    catalogue({"a.ttf"});
    fontFiles({"a.ttf"});
    scan();
    EXPECT_EQ(grid.calls, (std::vector<std::string>{"setRowCount 2", "setDefaultRowHeight 28",
                                                    "addCheckBox 0,1", "setCell 1,1", "setCell 2,1",
                                                    "addBitmap 3,1"}));
}

TEST_F(FontScanTest, FileWithoutEntryAddsAnEmptyRowAndCountsAsSelected) {
    catalogue({"a.ttf", "b.ttf"});
    fontFiles({"a.ttf", "b.ttf", "stray.ttf"});
    const package::FontFileList list = scan();
    EXPECT_EQ(list.selectedFontCount, 3);
    EXPECT_EQ(selection.count(), 2u);
    expectFilledRow(2, "Font 1");
    expectEmptyRow(3);
}

TEST_F(FontScanTest, EntryBeyondTheGridEndsTheScanWithItsLineKept) {
    // Entry 1's file is missing, so entry 2 needs row 3 of a grid of rows 0..2.
    catalogue({"a.ttf", "missing.ttf", "b.ttf"});
    fontFiles({"a.ttf", "b.ttf"});
    EXPECT_THROW(scan(), EInvalidGridOperation);
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"0=1", "2=1"}));
    expectFilledRow(1, "Font 0");
    expectEmptyRow(2);
}

TEST_F(FontScanTest, EntryBeyondTheGridFirstLeavesEveryRowEmpty) {
    catalogue({"b.ttf", "missing.ttf", "a.ttf"});
    fontFiles({"a.ttf", "b.ttf"});
    try {
        scan();
        FAIL() << "the grid should refuse row 3";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Invalid cell");
    }
    EXPECT_EQ(selection.lines(), std::vector<std::string>{"2=1"});
    expectEmptyRow(1);
    expectEmptyRow(2);
}

TEST_F(FontScanTest, MatchesByExactNameOverTheWholeCatalogueUpToItsFirstEmptyTitle) {
    // Entries 0 and 1 share a file; entry 2 differs in case only; the empty
    // title of entry 3 hides entry 4, whose file is there.
    catalogue({"a.ttf", "a.ttf", "B.ttf"},
              "font3title=\r\nfont4title=Hidden\r\nfont4file=c.ttf\r\n");
    fontFiles({"a.ttf", "b.ttf", "c.ttf"});
    scan();
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"0=1", "1=1"}));
    expectFilledRow(1, "Font 0");
    expectFilledRow(2, "Font 1");
    expectEmptyRow(3);
}

struct PreviewFault {
    const char* what;
    void (*spoil)(fake::FakeSystem&);
    bool raisesOpenError;
};

class PreviewFaultTest : public FontScanTest, public testing::WithParamInterface<PreviewFault> {};

TEST_P(PreviewFaultTest, EndsTheScanAtItsRowWithoutAPicture) {
    catalogue({"a.ttf", "b.ttf"});
    fontFiles({"a.ttf", "b.ttf"});
    GetParam().spoil(system);
    if (GetParam().raisesOpenError)
        EXPECT_THROW(scan(), EFOpenError);
    else
        EXPECT_THROW(scan(), EInvalidGraphic);
    EXPECT_EQ(selection.lines(), std::vector<std::string>{"0=1"});
    EXPECT_TRUE(grid.cell(0, 1).hasCheckBox);
    EXPECT_EQ(grid.cell(2, 1).text, "Font 0");
    EXPECT_EQ(grid.cell(3, 1).picture, nullptr);
    expectEmptyRow(2);
}

INSTANTIATE_TEST_SUITE_P(
    Previews, PreviewFaultTest,
    testing::Values(
        PreviewFault{"locked", [](fake::FakeSystem& s) { s.lockedFiles.insert(fonts + "p0.bmp"); },
                     true},
        PreviewFault{"not a bitmap",
                     [](fake::FakeSystem& s) { s.addFile(fonts + "p0.bmp", "\x89PNG\r\n"); },
                     false},
        PreviewFault{"empty image value",
                     [](fake::FakeSystem& s) {
                         s.addFile(appDir + "fonts.ini", "font0title=Font 0\r\nfont0file=a.ttf\r\n"
                                                         "font0image=\r\nfont1title=Font 1\r\n"
                                                         "font1file=b.ttf\r\n");
                     },
                     true}),
    [](const testing::TestParamInfo<PreviewFault>& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = c == ' ' ? '_' : c;
        return name;
    });

TEST_F(FontScanTest, ZeroBytePreviewIsAnEmptyPicture) {
    catalogue({"a.ttf"});
    fontFiles({"a.ttf"});
    system.addFile(fonts + "p0.bmp", "");
    scan();
    ASSERT_NE(grid.cell(3, 1).picture, nullptr);
    EXPECT_TRUE(grid.cell(3, 1).picture->empty());
}

TEST_F(FontScanTest, MissingPackageFolderGivesAHeaderOnlyGridAndZeroRequiredSpace) {
    system.addFile(appDir + "fonts.ini", "font0title=A\r\nfont0file=a.ttf\r\n");
    const package::FontFileList list = scan();
    EXPECT_EQ(list.fontFileCount, 0);
    EXPECT_EQ(list.selectedFontCount, 0);
    EXPECT_EQ(grid.rows, 1);
    EXPECT_EQ(selection.count(), 0u);
    EXPECT_EQ(package::requiredSpaceText(selection, fontCatalogue, appDir, system),
              "需要硬盘空间：0.00 MB");
}

TEST_F(FontScanTest, MissingCatalogueRaisesBeforeAnythingIsListed) {
    fontFiles({"a.ttf"});
    EXPECT_THROW(package::loadCatalogue(fontCatalogue, appDir), EFOpenError);
    EXPECT_EQ(fontCatalogue.count(), 0u);
}

} // namespace
