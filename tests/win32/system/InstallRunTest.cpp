#include "install/install_fonts.h"

#include "package/font_scan.h"
#include "system/win32_system.h"
#include "tests/win32/system/scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// One whole run on the real machine: a package in a scratch folder, the font
// copied into C:\Windows\Fonts and recorded under the machine's fonts key.
TEST(InstallRun, InstallsAPackageFontOnTheRealMachine) {
    sys::Win32System system;
    ScratchFolder appDir("fontsetup-run");
    CreateDirectoryA((appDir.path() + "fonts").c_str(), nullptr);
    appDir.write("fonts\\fontsetup-run.ttf", "not really a font");
    appDir.write("fonts.ini", "font0title=安装测试\r\nfont0file=fontsetup-run.ttf\r\n");

    package::TextList catalogue(system), selection(system);
    package::loadCatalogue(catalogue, appDir.path());
    selection.setText("0=1");
    sys::RegistryAccessor registry(system);
    std::vector<int> progress;
    const bool ok = install::InstallSelectedFonts(selection, catalogue, appDir.path(), 1, registry,
                                                  system, [&](int p) { progress.push_back(p); });

    const std::string target = "C:\\Windows\\Fonts\\fontsetup-run.ttf";
    const std::string name = "安装测试 (TrueType)";
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0,
                  KEY_ALL_ACCESS, &key);
    char data[64] = {};
    DWORD size = sizeof data;
    const LONG status =
        RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    DeleteFileA(target.c_str());

    EXPECT_TRUE(ok);
    EXPECT_EQ(progress, std::vector<int>{100});
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(status, ERROR_SUCCESS);
    EXPECT_STREQ(data, "fontsetup-run.ttf");
}

} // namespace
