// The start-up scan over catalogues no font maker should ship, read from disk
// through the real system: twenty megabytes, binary garbage, and a hundred
// thousand entries for a package of three fonts.
#include "package/disk_space.h"
#include "package/font_scan.h"
#include "system/win32_system.h"
#include "tests/unit/support/fake_grid.h"
#include "tests/unit/support/test_bmp.h"
#include "tests/win32/system/scratch_folder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> packageFiles = {"jia.ttf", "yi.ttf", "bing.otf"};
const std::vector<std::string> packageTitles = {"甲体", "乙体", "丙体"};

std::string packageEntries() {
    std::string text;
    for (std::size_t n = 0; n < packageFiles.size(); ++n) {
        const std::string number = std::to_string(n);
        text += "font" + number + "title=" + packageTitles[n] + "\r\nfont" + number +
                "file=" + packageFiles[n] + "\r\nfont" + number + "image=preview.bmp\r\n";
    }
    return text;
}

// The package's entries, then padding up to twenty megabytes: comment
// lines, lines with names of their own, and later lines for the same keys,
// which never answer because the first line wins.
std::string twentyMegabytes() {
    std::string text = packageEntries();
    for (int n = 0; text.size() < 20u * 1024 * 1024; ++n) {
        text += n % 2 ? "; comment " + std::to_string(n) + std::string(40, '-')
                      : "padding" + std::to_string(n) + "=" + std::string(40, 'x');
        text += "\r\n";
    }
    for (std::size_t n = 0; n < packageFiles.size(); ++n)
        text += "font" + std::to_string(n) + "title=shadowed\r\n";
    return text;
}

// Two megabytes of random bytes without a NUL, so that all of it is read.
std::string binaryGarbage() {
    std::mt19937 random(20240);
    std::string text(2u * 1024 * 1024, '\0');
    for (char& byte : text)
        byte = static_cast<char>(random() % 255 + 1);
    return text;
}

// The package's three entries and 99,997 more whose files are not there.
std::string hundredThousandEntries() {
    std::string text = packageEntries();
    for (int n = 3; n < 100000; ++n) {
        const std::string number = std::to_string(n);
        text += "font" + number + "title=缺失" + number + "\r\nfont" + number + "file=absent" +
                number + ".ttf\r\nfont" + number + "image=absent.bmp\r\n";
    }
    return text;
}

struct CatalogueCase {
    const char* name;
    std::string (*catalogue)();
    bool matches;
};

class CatalogueFaults : public testing::TestWithParam<CatalogueCase> {};

TEST_P(CatalogueFaults, FillsTheRowsOfThePackagedFontsOnly) {
    sys::Win32System system;
    ScratchFolder appDir("fontsetup-catalogue");
    CreateDirectoryA((appDir.path() + "fonts").c_str(), nullptr);
    for (std::size_t n = 0; n < packageFiles.size(); ++n)
        appDir.write("fonts\\" + packageFiles[n], std::string(1024 * (n + 1), 'f'));
    const std::vector<std::uint8_t> bmp = fake::makeBmp(4, 2);
    appDir.write("fonts\\preview.bmp", std::string(bmp.begin(), bmp.end()));
    appDir.write("fonts.ini", GetParam().catalogue());

    package::TextList catalogue(system), selection(system);
    package::loadCatalogue(catalogue, appDir.path());
    const package::FontFileList files = package::listPackageFonts(system, appDir.path());
    fake::FakeGrid grid;
    grid.logCalls = false;
    package::sizeFontGrid(grid, files.fontFileCount);
    package::PreviewKeeper previews;
    package::fillFontRows(files.names, catalogue, selection, appDir.path(), system, grid, previews);

    EXPECT_EQ(files.fontFileCount, 3);
    EXPECT_EQ(grid.rowCount(), 4);
    const bool matched = GetParam().matches;
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(grid.cell(0, row).hasCheckBox, matched) << "row " << row;
        EXPECT_EQ(grid.cell(2, row).text, matched ? packageTitles[row - 1] : "") << "row " << row;
    }
    // Lines in the sorted order of the file names: bing.otf comes last as
    // an OpenType file, jia.ttf before yi.ttf.
    const std::vector<std::string> lines = {"0=1", "1=1", "2=1"};
    EXPECT_EQ(selection.lines(), matched ? lines : std::vector<std::string>());
    EXPECT_EQ(package::SelectedFontsSize(selection, catalogue, appDir.path(), system),
              matched ? 6 * 1024.0 : 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    BadCatalogues, CatalogueFaults,
    testing::Values(CatalogueCase{"TwentyMegabytes", twentyMegabytes, true},
                    CatalogueCase{"BinaryGarbage", binaryGarbage, false},
                    CatalogueCase{"HundredThousandEntries", hundredThousandEntries, true}),
    [](const testing::TestParamInfo<CatalogueCase>& info) { return info.param.name; });

} // namespace
