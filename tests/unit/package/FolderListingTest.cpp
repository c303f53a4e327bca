#include "package/folder_listing.h"

#include "package/font_scan.h"
#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

namespace {

class FolderListingTest : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"b.ttf", "A.ttf", "c.otf", "a.otf", "UPPER.TTF", "x.ttf.bak", "noext", "ttf"})
            system.addFile(folder + name, "");
        system.addFile(folder + "hidden.ttf", "", sys::attributeHidden);
        system.addFile(folder + "system.ttf", "", sys::attributeSystem | sys::attributeReadOnly);
        system.addFolder(folder + "dir.ttf");
        system.addFile(folder + "dir.ttf\\inner.ttf", "");
    }

    fake::FakeSystem system;
    const std::string folder = "C:\\Setup\\fonts\\";
};

TEST_F(FolderListingTest, ListsFilesWithExactlyTheTrimmedExtensionInLocaleOrder) {
    struct Case {
        std::string filter, listing;
    };
    const Case cases[] = {
        {".ttf", "A.ttf\r\nb.ttf\r\nhidden.ttf\r\nsystem.ttf\r\n"},
        {" \t.ttf\r\n", "A.ttf\r\nb.ttf\r\nhidden.ttf\r\nsystem.ttf\r\n"},
        {".otf", "a.otf\r\nc.otf\r\n"},
        {".TTF", "UPPER.TTF\r\n"},
        {".bak", "x.ttf.bak\r\n"},
        {"ttf", "ttf\r\n"},
        {".fon", ""},
        {"  ", "a.otf\r\nA.ttf\r\nb.ttf\r\nc.otf\r\nhidden.ttf\r\nnoext\r\nsystem.ttf\r\nttf\r\n"
               "UPPER.TTF\r\nx.ttf.bak\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(package::ListFolderFiles(system, folder, c.filter), c.listing)
            << "filter '" << c.filter << "'";
    EXPECT_EQ(system.openSearchCount(), 0u);
}

TEST_F(FolderListingTest, SearchesBelowTheFolderWithOneBackslash) {
    const std::string listing = package::ListFolderFiles(system, "C:\\Setup\\fonts", ".otf");
    EXPECT_EQ(listing, "a.otf\r\nc.otf\r\n");
    EXPECT_EQ(system.calls, std::vector<std::string>{"findFirstFile C:\\Setup\\fonts\\*.*"});
}

TEST_F(FolderListingTest, TrailByteBackslashIsNoFolderSeparator) {
    // 0x95 0x5C is one double-byte character: the folder still needs its backslash.
    const std::string dbcsFolder = "C:\\\x95\x5C";
    system.addFile(dbcsFolder + "\\a.ttf", "");
    EXPECT_EQ(package::ListFolderFiles(system, dbcsFolder, ".ttf"), "a.ttf\r\n");
    EXPECT_EQ(system.calls.back(), "findFirstFile " + dbcsFolder + "\\*.*");
}

TEST_F(FolderListingTest, MissingFolderListsNothing) {
    EXPECT_EQ(package::ListFolderFiles(system, "C:\\Nowhere\\", ".ttf"), "");
}

TEST_F(FolderListingTest, PackageFontsAreTheTrueTypeGroupThenTheOpenTypeGroup) {
    const package::FontFileList list = package::listPackageFonts(system, "C:\\Setup\\");
    EXPECT_EQ(list.names, (std::vector<std::string>{"A.ttf", "b.ttf", "hidden.ttf", "system.ttf",
                                                    "a.otf", "c.otf"}));
    EXPECT_EQ(list.fontFileCount, 6);
    EXPECT_EQ(list.selectedFontCount, 6);
}

} // namespace
