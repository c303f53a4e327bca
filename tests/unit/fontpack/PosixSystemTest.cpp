#include "system/posix_system.h"

#include "package/folder_listing.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "tests/unit/fontpack/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using testing_fontpack::TempFolder;

// Answers of CompareStringA (user locale, NORM_IGNORECASE) under Wine in code
// page 936, where they differ from a byte comparison or show a rule.
struct CompareCase {
    const char* a;
    const char* b;
    int expected;
};

const CompareCase compareCases[] = {
    {"a_b", "a1b", sys::compareLessThan},        // symbols before digits
    {"a~", "a1", sys::compareLessThan},          //
    {"a1", "a_", sys::compareGreaterThan},       //
    {"a b", "ab", sys::compareLessThan},         // a blank is a symbol, not passed over
    {"a b", "a_b", sys::compareLessThan},        //
    {"a.b", "a_b", sys::compareLessThan},        //
    {"a+", "a_", sys::compareGreaterThan},       // + < = > come after the other symbols
    {"a=", "a+", sys::compareGreaterThan},       //
    {"b.ttf", "A.ttf", sys::compareGreaterThan}, // letters without case
    {"Z", "a", sys::compareGreaterThan},         //
    {"aB", "Ab", sys::compareEqual},             //
    {"a", "ab", sys::compareLessThan},           //
    {"a-c", "ab", sys::compareGreaterThan},      // hyphen passed over first
    {"a'c", "ab", sys::compareGreaterThan},      // apostrophe too
    {"co-op", "coop", sys::compareGreaterThan},  // then the string with the mark is greater
    {"a-b", "ab", sys::compareGreaterThan},      //
    {"a.ttf", "a-.ttf", sys::compareLessThan},   //
    {"ab", "a-b-", sys::compareLessThan},        //
    {"a-b", "a'b", sys::compareGreaterThan},     // hyphen over apostrophe
    {"a-bc", "ab-c", sys::compareGreaterThan},   // the earlier mark is greater
    {"x-y-z", "xy--z", sys::compareGreaterThan}, //
};

TEST(PosixSystem, ComparesAsciiLikeTheWindowsLocale) {
    for (const CompareCase& c : compareCases) {
        EXPECT_EQ(sys::compareLikeWindowsLocale(c.a, c.b), c.expected) << c.a << " vs " << c.b;
        const int reversed = 4 - c.expected; // less <-> greater, equal stays
        EXPECT_EQ(sys::compareLikeWindowsLocale(c.b, c.a), reversed) << c.b << " vs " << c.a;
    }
}

TEST(PosixSystem, SortsEveryPrintableCharacterInTheLocaleOrder) {
    std::vector<std::string> names;
    for (char c = ' '; c < 127; ++c)
        names.push_back(std::string("x") + c + "y");
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return sys::compareLikeWindowsLocale(a, b) == sys::compareLessThan;
    });
    std::string order;
    for (const std::string& name : names)
        order += name[1];
    // As Wine's CompareStringA sorts them; each letter pair compares equal.
    EXPECT_EQ(order, " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>0123456789"
                     "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXx'-YyZz");
}

TEST(PosixSystem, ListsAFolderAsTheWizardDoes) {
    TempFolder package;
    for (const char* name :
         {"b.ttf", "A.ttf", "c.otf", "a.otf", "x.TTF", "y.ttf.bak", "noext", ".hidden.ttf"})
        package.write(std::string("fonts/") + name, "font");
    std::filesystem::create_directories(package.path() / "fonts" / "sub.ttf");
    sys::PosixSystem system(package.str());
    EXPECT_EQ(package::ListFolderFiles(system, "fonts\\", ".ttf"),
              ".hidden.ttf\r\nA.ttf\r\nb.ttf\r\n");
    EXPECT_EQ(package::ListFolderFiles(system, "fonts", " .otf "), "a.otf\r\nc.otf\r\n");

    sys::DirectorySearch hidden(system, "fonts\\.hidden.ttf");
    ASSERT_TRUE(hidden.found());
    EXPECT_EQ(hidden.entry().name, ".hidden.ttf");
    EXPECT_TRUE(hidden.entry().attributes & sys::attributeHidden);
    EXPECT_TRUE(sys::fileExists(system, "fonts\\b.ttf"));
    EXPECT_FALSE(sys::fileExists(system, "fonts\\sub.ttf"));
    EXPECT_FALSE(sys::fileExists(system, "fonts\\B.ttf"));
    EXPECT_EQ(package::ListFolderFiles(system, "missing\\", ".ttf"), "");
}

TEST(PosixSystem, NamesCrossAsCodePage936) {
    TempFolder package;
    package.write(u8"fonts/宋体.ttf", "song");
    package.write(u8"fonts/\u0E01.ttf", "thai"); // no code page 936 character
    // 0x81 0x5C is one character whose second byte is a backslash.
    package.write(u8"fonts/\u4E57/inner.bmp", "BM");
    sys::PosixSystem system(package.str());
    EXPECT_EQ(package::ListFolderFiles(system, "fonts\\", ".ttf"), "?.ttf\r\n宋体.ttf\r\n");
    const std::vector<std::uint8_t> bytes = system.readWholeFile("fonts\\宋体.ttf");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "song");
    EXPECT_EQ(system.readWholeFile("fonts\\\x81\x5C\\inner.bmp").size(), 2u);
    EXPECT_EQ(sys::toUnixPath("fonts\\\x81\x5C\\inner.bmp"), u8"fonts/\u4E57/inner.bmp");
}

TEST(PosixSystem, FilesOpenReadAndCopyLikeTheirWin32Calls) {
    TempFolder folder;
    folder.write("fonts/a.ttf", std::string(1000, 'x'));
    sys::PosixSystem system(folder.str());
    std::uint32_t size = 0;
    EXPECT_TRUE(system.openSharedFileSize("fonts\\a.ttf", size));
    EXPECT_EQ(size, 1000u);
    EXPECT_FALSE(system.openSharedFileSize("fonts", size));
    EXPECT_FALSE(system.openSharedFileSize("fonts\\none.ttf", size));
    EXPECT_THROW(system.readWholeFile("fonts\\none.ttf"), EFOpenError);
    EXPECT_THROW(system.readWholeFile("fonts\\"), EFOpenError);

    EXPECT_TRUE(system.copyFile("fonts\\a.ttf", "b.ttf", true));
    EXPECT_EQ(folder.read("b.ttf"), std::string(1000, 'x'));
    EXPECT_FALSE(system.copyFile("fonts\\a.ttf", "b.ttf", true));
    folder.write("c.ttf", "short");
    EXPECT_TRUE(system.copyFile("c.ttf", "b.ttf", false));
    EXPECT_EQ(folder.read("b.ttf"), "short");
    EXPECT_FALSE(system.copyFile("none.ttf", "d.ttf", false));
}

TEST(PosixSystem, HasNoRegistryAndLoadsNoFonts) {
    sys::PosixSystem system;
    sys::RegKey key = 0;
    EXPECT_NE(system.regOpenKeyEx(sys::hkeyLocalMachine, "SOFTWARE", 0, sys::keyAllAccess, key),
              sys::errorSuccess);
    EXPECT_EQ(system.addFontResource("a.ttf"), 0);
    sys::DiskFreeSpace space;
    ASSERT_TRUE(system.getDiskFreeSpace("C:\\", space));
    EXPECT_GT(space.bytesPerSector, 0u);
    EXPECT_GT(space.sectorsPerCluster, 0u);
}

} // namespace
