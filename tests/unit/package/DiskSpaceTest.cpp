#include "package/disk_space.h"

#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

namespace {

using package::TextList;

TEST(FreeSpace, CountsWholeMegabytesBeforeTheSectorsPerCluster) {
    struct Case {
        std::uint32_t sectorsPerCluster, bytesPerSector, freeClusters;
        const char* text;
    };
    const Case cases[] = {
        {8, 512, 5242880, "可用硬盘空间：20.00 GB"},
        {1, 4096, 536870912, "可用硬盘空间：2048.00 GB"},
        {8, 512, 32768, "可用硬盘空间：0.13 GB"},              // exactly 0.125 GB
        {8, 512, 2047, "可用硬盘空间：0.00 GB"},               // the product is below 1 MB
        {64, 4096, 0xFFFFFFFF, "可用硬盘空间：1048575.94 GB"}, // no overflow
        {8, 4096, 255, "可用硬盘空间：0.00 GB"},               // 0.99 MB, times 8, is still 0
    };
    for (const Case& c : cases) {
        fake::FakeSystem system;
        system.freeSpace = {c.sectorsPerCluster, c.bytesPerSector, c.freeClusters, 0};
        EXPECT_EQ(package::freeSpaceText(system), c.text) << c.freeClusters;
        EXPECT_EQ(system.calls, std::vector<std::string>{"getDiskFreeSpace C:\\"});
    }
}

TEST(FreeSpace, FailedQueryReadsZero) {
    fake::FakeSystem system;
    system.failFreeSpace = true;
    system.separator = ',';
    EXPECT_EQ(package::freeSpaceText(system), "可用硬盘空间：0,00 GB");
}

class SelectedSizeTest : public testing::Test {
  protected:
    void SetUp() override {
        catalogue.setText("font0title=A\nfont0file=a.ttf\n"
                          "font1title=B\nfont1file=b.ttf\n"
                          "font2title=C\nfont2file=c.ttf\n"
                          "font3title=D\nfont3file=a.ttf\n"
                          "font4title=E\nfont4file=\n");
        system.addFileOfSize(fonts + "a.ttf", 1048576);
        system.addFileOfSize(fonts + "b.ttf", 524288);
        system.addFileOfSize(fonts + "c.ttf", 131072);
    }
    double size(const std::string& lines) {
        selection.setText(lines);
        return package::SelectedFontsSize(selection, catalogue, appDir, system);
    }

    const std::string appDir = "C:\\Setup\\";
    const std::string fonts = appDir + "fonts\\";
    fake::FakeSystem system;
    TextList catalogue{system};
    TextList selection{system};
};

TEST_F(SelectedSizeTest, AddsTheFilesOfTheKeysZeroToTheLineCount) {
    struct Case {
        const char* selection;
        double bytes;
    };
    const Case cases[] = {
        {"", 0},
        {"0=0\n1=0", 0},
        {"0=1\n1=1", 1572864},
        {"1=0\n0=1", 1048576},
        {"0=1\n1=0\n2=0\n3=1", 2097152}, // one file named twice counts twice
        {"0=1\n1=0\n2=0\n3=0", 1048576},
        {"0=1\n2=1", 1572864},          // key 1 is missing, so it counts; 2 is beyond
        {"0=0\n1=yes", 524288},         // anything but "0" counts
        {"0=0\n1=0\n2=0\n3=0\n4=1", 0}, // an empty file value names the folder
    };
    for (const Case& c : cases)
        EXPECT_EQ(size(c.selection), c.bytes) << c.selection;
}

TEST_F(SelectedSizeTest, FileThatCannotBeOpenedAddsNothing) {
    system.lockedFiles.insert(fonts + "b.ttf");
    EXPECT_EQ(size("0=1\n1=1\n2=1"), 1048576 + 131072);
}

TEST_F(SelectedSizeTest, RequiredSpaceTextInMegabytes) {
    selection.setText("0=1\n1=1");
    EXPECT_EQ(package::requiredSpaceText(selection, catalogue, appDir, system),
              "需要硬盘空间：1.50 MB");
    selection.setText("0=0\n1=0\n2=1");
    system.separator = ',';
    EXPECT_EQ(package::requiredSpaceText(selection, catalogue, appDir, system),
              "需要硬盘空间：0,13 MB");
}

} // namespace
