#include "system/win32_system.h"

#include "package/disk_space.h"
#include "package/folder_listing.h"
#include "system/directory_search.h"
#include "system/errors.h"
#include "system/registry_accessor.h"
#include "tests/win32/system/scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const char* const fontsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
const std::string fontsFolder = "C:\\Windows\\Fonts\\";

class Win32SystemTest : public testing::Test {
  protected:
    sys::Win32System system;
    ScratchFolder folder{"fontsetup-system"};
};

TEST_F(Win32SystemTest, ListsHiddenFilesAndExactExtensionsInLocaleOrder) {
    for (const char* name : {"b.ttf", "A.ttf", "UPPER.TTF", "c.otf", "x.ttf.bak"})
        folder.write(name, "");
    const std::string hidden = folder.write("secret.ttf", "");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(GetFileAttributesA(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((folder.path() + "dir.ttf").c_str(), nullptr);

    EXPECT_EQ(package::ListFolderFiles(system, folder.path(), ".ttf"),
              "A.ttf\r\nb.ttf\r\nsecret.ttf\r\n");
    EXPECT_EQ(package::ListFolderFiles(system, folder.path(), ".otf"), "c.otf\r\n");
    EXPECT_EQ(package::ListFolderFiles(system, folder.path() + "missing\\", ".ttf"), "");
}

TEST_F(Win32SystemTest, LocaleComparisonIgnoresCase) {
    EXPECT_EQ(system.compareTextIgnoreCase("FONT0TITLE", "font0title"), sys::compareEqual);
    EXPECT_EQ(system.compareTextIgnoreCase("A.ttf", "b.ttf"), sys::compareLessThan);
    EXPECT_EQ(system.compareTextIgnoreCase("font1file", "font0file"), sys::compareGreaterThan);
}

TEST_F(Win32SystemTest, WritesFontValuesUnderTheMachineKey) {
    const std::string name = "测试字体 (TrueType)";
    {
        sys::RegistryAccessor registry(system);
        registry.setRootKey(sys::hkeyLocalMachine);
        ASSERT_TRUE(registry.openKey(std::string("\\") + fontsKey));
        registry.writeString(name, "ceshi.ttf");
        registry.closeKey();
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, fontsKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD type = 0;
    BYTE data[64] = {};
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data, &size);
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), std::string("ceshi.ttf", 10));
}

TEST_F(Win32SystemTest, OpeningAMissingKeyNeverCreatesIt) {
    sys::RegistryAccessor registry(system);
    registry.setRootKey(sys::hkeyLocalMachine);
    EXPECT_FALSE(registry.openKey("\\SOFTWARE\\FontSetupNoSuchKey"));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\FontSetupNoSuchKey", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(Win32SystemTest, CopiesIntoTheFontsFolder) {
    const std::string source = folder.write("fontsetup-copy.ttf", "glyphs");
    const std::string target = fontsFolder + "fontsetup-copy.ttf";
    EXPECT_FALSE(sys::fileExists(system, target));
    EXPECT_TRUE(system.copyFile(source, target, false));
    EXPECT_TRUE(sys::fileExists(system, target));
    EXPECT_FALSE(system.copyFile(source, target, true));
    EXPECT_TRUE(system.copyFile(source, target, false));
    std::uint32_t size = 0;
    EXPECT_TRUE(system.openSharedFileSize(target, size));
    EXPECT_EQ(size, 6u);
    DeleteFileA(target.c_str());
}

TEST_F(Win32SystemTest, FolderNamedLikeAFontIsNoFileAndBlocksTheCopy) {
    const std::string source = folder.write("fontsetup-dir.ttf", "glyphs");
    const std::string target = fontsFolder + "fontsetup-dir.ttf";
    ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
    EXPECT_FALSE(sys::fileExists(system, target));
    EXPECT_FALSE(system.copyFile(source, target, false));
    RemoveDirectoryA(target.c_str());
}

TEST_F(Win32SystemTest, FreeSpaceOfDriveC) {
    sys::DiskFreeSpace space;
    ASSERT_TRUE(system.getDiskFreeSpace("C:\\", space));
    EXPECT_GT(space.bytesPerSector, 0u);
    EXPECT_GT(space.sectorsPerCluster, 0u);
    const std::string text = package::freeSpaceText(system);
    EXPECT_EQ(text.rfind("可用硬盘空间：", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 3), " GB");
}

TEST_F(Win32SystemTest, SizesFilesOthersAreWritingButNotLockedOnes) {
    const std::string path = folder.write("open.ttf", "12345");
    std::uint32_t size = 0;
    {
        const HANDLE writer =
            CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(writer, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(system.openSharedFileSize(path, size));
        EXPECT_EQ(size, 5u);
        CloseHandle(writer);
    }
    const HANDLE locker =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(system.openSharedFileSize(path, size));
    EXPECT_THROW(system.readWholeFile(path), EFOpenError);
    CloseHandle(locker);
    EXPECT_FALSE(system.openSharedFileSize(folder.path() + "missing.ttf", size));
}

TEST_F(Win32SystemTest, ReadsWholeFilesAndRefusesFolders) {
    const std::string path = folder.write("fonts.ini", std::string("a=1\0b", 5));
    EXPECT_EQ(system.readWholeFile(path), (std::vector<std::uint8_t>{'a', '=', '1', 0, 'b'}));
    EXPECT_TRUE(system.readWholeFile(folder.write("empty.bmp", "")).empty());
    EXPECT_THROW(system.readWholeFile(folder.path()), EFOpenError);
    EXPECT_THROW(system.readWholeFile(folder.path() + "missing.ini"), EFOpenError);
}

TEST_F(Win32SystemTest, DecimalSeparatorOfTheUser) {
    char expected[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, expected, sizeof expected);
    EXPECT_EQ(system.decimalSeparator(), expected[0]);
}

} // namespace
