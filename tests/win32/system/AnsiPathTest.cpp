#include "system/ansi_path.h"

#include "system/win32_system.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// 0xD5 0x5C is one character of code page 936 whose trail byte is a backslash.
const std::string trailBackslash = "\xD5\x5C";

TEST(AnsiPath, CutsAfterTheLastRealBackslashOrColonInCodePage936) {
    ASSERT_EQ(GetACP(), 936u);
    sys::Win32System system;
    const auto lead = [&](std::uint8_t b) { return system.isDbcsLeadByte(b); };
    struct Case {
        std::string path, folder;
    };
    const Case cases[] = {
        {"C:\\pkg\\setup.exe", "C:\\pkg\\"},
        {"C:\\setup.exe", "C:\\"},
        {"C:setup.exe", "C:"},
        {"setup.exe", ""},
        {"C:\\pkg\\" + trailBackslash + ".exe", "C:\\pkg\\"},
        {"C:\\" + trailBackslash + "\\setup.exe", "C:\\" + trailBackslash + "\\"},
        {"C:\\pkg\\" + trailBackslash, "C:\\pkg\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sys::cutAfterLastDelimiter(c.path, lead), c.folder) << c.path;
    EXPECT_TRUE(sys::endsWithBackslash("C:\\pkg\\", lead));
    EXPECT_FALSE(sys::endsWithBackslash("C:\\" + trailBackslash, lead));
}

TEST(AnsiPath, AppDirIsTheFolderOfTheRunningProgram) {
    sys::Win32System system;
    const std::string module = system.moduleFileName();
    const std::string appDir = sys::AppDir(system);
    ASSERT_FALSE(appDir.empty());
    EXPECT_EQ(appDir.back(), '\\');
    EXPECT_EQ(module.substr(0, appDir.size()), appDir);
    EXPECT_EQ(module.find('\\', appDir.size()), std::string::npos);
}

} // namespace
