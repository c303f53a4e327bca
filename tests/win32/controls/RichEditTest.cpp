// The agreement viewer: loading license.lic from the current directory, and
// where its DLL comes from.
#include "widgets/rich_edit.h"

#include "system/errors.h"
#include "tests/win32/controls/test_parent.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

namespace {

const RichEdit::Font viewerFont{"MS Sans Serif", -13, GB2312_CHARSET};
const Control::Bounds viewerBounds{35, 96, 580, 201};

std::string lowerCase(std::string text) {
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

void writeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

std::string folderOfExe() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path);
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

// A file deleted when the test ends, however it ends.
struct RemovedAtEnd {
    std::string path;
    ~RemovedAtEnd() { DeleteFileA(path.c_str()); }
};

// A scratch folder made the current directory for the length of a test.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "controls_licence_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, current);
        previous_ = current;
        SetCurrentDirectoryA(path_.c_str());
    }
    ~ScratchDirectory() {
        SetCurrentDirectoryA(previous_.c_str());
        for (const char* name : {"license.lic", "RICHED32.DLL"})
            DeleteFileA((path_ + "\\" + name).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::string previous_;
};

// No viewer may hold the DLL when this starts, so that the module found
// afterwards is the one this viewer's loading picked.
TEST(RichEditModule, ComesFromTheSystemFolderEvenWithAPlantedCopyBesideTheExe) {
    ASSERT_EQ(GetModuleHandleA("riched32.dll"), nullptr);
    std::string library = folderOfExe() + "planted_library.dll";
    RemovedAtEnd planted{folderOfExe() + "RICHED32.DLL"};
    ScratchDirectory current;
    ASSERT_TRUE(CopyFileA(library.c_str(), planted.path.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(library.c_str(), "RICHED32.DLL", FALSE));
    {
        TestParent parent;
        RichEdit viewer("RichEdit1", viewerBounds, "RichEdit1", viewerFont);
        EXPECT_NO_THROW(viewer.createHandle(parent.hwnd()));

        HMODULE loaded = GetModuleHandleA("riched32.dll");
        ASSERT_NE(loaded, nullptr);
        char path[MAX_PATH] = {};
        GetModuleFileNameA(loaded, path, MAX_PATH);
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, MAX_PATH);
        EXPECT_EQ(lowerCase(path), lowerCase(std::string(system) + "\\riched32.dll"));
        EXPECT_EQ(lowerCase(systemRichEditPath()), lowerCase(path));
    }
}

class RichEditTest : public ::testing::Test {
  protected:
    void SetUp() override { viewer.createHandle(parent.hwnd()); }

    // The control gives its length in characters, and a double-byte
    // character takes two bytes of ANSI text.
    std::string text() const {
        std::string text(2 * static_cast<size_t>(GetWindowTextLengthA(viewer.hwnd())) + 1, '\0');
        text.resize(static_cast<size_t>(
            GetWindowTextA(viewer.hwnd(), &text[0], static_cast<int>(text.size()))));
        return text;
    }

    std::wstring unicodeText() const {
        wchar_t buffer[512] = {};
        GETTEXTEX request{sizeof buffer, GT_DEFAULT, 1200, nullptr, nullptr};
        SendMessageW(viewer.hwnd(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }

    CHARFORMATA formatAt(const std::string& part) const {
        std::string all = text();
        LONG start = static_cast<LONG>(all.find(part));
        CHARRANGE range{start, start + static_cast<LONG>(part.size())};
        SendMessageA(viewer.hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(viewer.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION,
                     reinterpret_cast<LPARAM>(&format));
        return format;
    }

    LONG style() const { return GetWindowLongA(viewer.hwnd(), GWL_STYLE); }

    ScratchDirectory current;
    TestParent parent;
    RichEdit viewer{"RichEdit1", viewerBounds, "RichEdit1", viewerFont};
};

TEST_F(RichEditTest, IsAReadOnlyWrappingViewerShowingItsInitialLine) {
    EXPECT_EQ(text(), "RichEdit1");
    EXPECT_TRUE(style() & ES_READONLY);
    EXPECT_TRUE(style() & ES_MULTILINE);
    EXPECT_FALSE(style() & ES_AUTOHSCROLL);
    EXPECT_FALSE(style() & WS_HSCROLL);
    EXPECT_EQ(GetParent(viewer.hwnd()), parent.hwnd());
}

TEST_F(RichEditTest, PlainTextIsReadInCodePage936InTheViewersFont) {
    writeFile("license.lic", "软件许可协议\r\nLicence text");
    viewer.LoadFromFile("license.lic");

    EXPECT_EQ(text(), "软件许可协议\r\nLicence text");
    EXPECT_EQ(unicodeText().substr(0, 6), L"软件许可协议");
    CHARFORMATA format = formatAt("Licence");
    EXPECT_STREQ(format.szFaceName, "MS Sans Serif");
    EXPECT_FALSE(format.dwEffects & CFE_BOLD);
}

TEST_F(RichEditTest, RichTextShowsItsFormattingNotItsControlWords) {
    writeFile("license.lic",
              "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fcharset134 SimSun;}}"
              "\\f0 plain \\b bold\\b0  end \\'d0\\'ed}");
    viewer.LoadFromFile("license.lic");

    EXPECT_EQ(text(), "plain bold end 许");
    EXPECT_TRUE(formatAt("bold").dwEffects & CFE_BOLD);
    EXPECT_FALSE(formatAt("plain").dwEffects & CFE_BOLD);
}

TEST_F(RichEditTest, AgreementBeyondTheControlsDefaultLimitLoadsWhole) {
    std::string lines;
    while (lines.size() < 70000)
        lines += std::string(78, 'x') + "\r\n";
    writeFile("license.lic", lines);
    viewer.LoadFromFile("license.lic");
    EXPECT_EQ(static_cast<size_t>(GetWindowTextLengthA(viewer.hwnd())), lines.size());
}

TEST_F(RichEditTest, LongLinesWrapWithoutHorizontalScrolling) {
    std::string line;
    while (line.size() < 2000)
        line += "word ";
    writeFile("license.lic", line);
    viewer.LoadFromFile("license.lic");
    EXPECT_GT(SendMessageA(viewer.hwnd(), EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_FALSE(style() & WS_HSCROLL);
    EXPECT_TRUE(style() & WS_VSCROLL);
}

TEST_F(RichEditTest, MissingFileRaisesAndKeepsTheInitialLine) {
    EXPECT_THROW(viewer.LoadFromFile("license.lic"), EFOpenError);
    EXPECT_EQ(text(), "RichEdit1");
}

TEST_F(RichEditTest, FileLookedUpInTheCurrentDirectoryOnly) {
    RemovedAtEnd besideExe{folderOfExe() + "license.lic"};
    writeFile(besideExe.path, "beside the exe");
    EXPECT_THROW(viewer.LoadFromFile("license.lic"), EFOpenError);
}

TEST_F(RichEditTest, FileHeldOpenForWritingIsNotOpened) {
    writeFile("license.lic", "text");
    HANDLE writer = CreateFileA("license.lic", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_THROW(viewer.LoadFromFile("license.lic"), EFOpenError);
    CloseHandle(writer);
    EXPECT_EQ(text(), "RichEdit1");
}

TEST_F(RichEditTest, FileIsReleasedAfterLoading) {
    writeFile("license.lic", "text");
    viewer.LoadFromFile("license.lic");
    EXPECT_TRUE(DeleteFileA("license.lic"));
}

} // namespace
