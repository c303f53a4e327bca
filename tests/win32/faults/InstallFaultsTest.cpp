// The installation run on the real machine when the registry refuses a
// title and when another program holds a font open without sharing: the run
// ends or fails exactly where its rules say, and nothing else changes.
#include "install/install_fonts.h"

#include "package/disk_space.h"
#include "package/font_scan.h"
#include "system/errors.h"
#include "system/win32_system.h"
#include "tests/win32/faults/machine_state.h"
#include "tests/win32/faults/owned_handle.h"
#include "tests/win32/system/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const std::string fontsFolder = "C:\\Windows\\Fonts\\";

struct PackageFont {
    std::string title;
    std::string file;
    std::size_t size;
};

std::string folderOfExe() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string exe(path);
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// hold_file.exe keeping one file open without sharing, in a process of its
// own, for as long as this object lives.
class HeldByAnotherProcess {
  public:
    HeldByAnotherProcess(const std::string& file, const std::string& signals)
        : ready_(signals + "held"), release_(signals + "release") {
        std::string command = "\"" + folderOfExe() + "hold_file.exe\" \"" + file + "\" \"" +
                              ready_ + "\" \"" + release_ + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return;
        process_.reset(info.hProcess);
        OwnedHandle thread(info.hThread);
        for (int wait = 0; wait < 500 && !exists(ready_); ++wait) {
            if (WaitForSingleObject(process_.get(), 20) == WAIT_OBJECT_0)
                return;
        }
    }
    ~HeldByAnotherProcess() {
        if (!process_.valid())
            return;
        OwnedHandle(
            CreateFileA(release_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_.get(), 1);
    }
    HeldByAnotherProcess(const HeldByAnotherProcess&) = delete;
    HeldByAnotherProcess& operator=(const HeldByAnotherProcess&) = delete;

    bool held() const { return exists(ready_); }

  private:
    std::string ready_;
    std::string release_;
    OwnedHandle process_;
};

// A package of its own in a scratch folder, every font ticked, and a file
// of somebody else's in the Fonts folder for the length of the test. What the
// run installs is removed again afterwards, so the prefix stays as it was.
class InstallFaults : public testing::Test {
  protected:
    void SetUp() override {
        CreateDirectoryA((appDir.path() + "fonts").c_str(), nullptr);
        writeFile(resident, std::string(3000, 'r'));
        before = takeMachineState();
    }

    void TearDown() override {
        for (const PackageFont& font : fonts) {
            DeleteFileA((fontsFolder + font.file).c_str());
            deleteFontsKeyValue(font.title + " (TrueType)");
        }
        DeleteFileA(resident.c_str());
    }

    static void writeFile(const std::string& path, const std::string& bytes) {
        OwnedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }

    // Writes the package: fonts.ini, one file per font, and the selection
    // the start-up scan would make of it.
    void makePackage(std::vector<PackageFont> packageFonts) {
        fonts = std::move(packageFonts);
        std::string catalogueText, selectionText;
        for (std::size_t n = 0; n < fonts.size(); ++n) {
            const std::string number = std::to_string(n);
            catalogueText += "font" + number + "title=" + fonts[n].title + "\r\nfont" + number +
                             "file=" + fonts[n].file + "\r\n";
            selectionText += number + "=1\r\n";
            writeFile(packageFile(fonts[n]), std::string(fonts[n].size, 'f'));
        }
        appDir.write("fonts.ini", catalogueText);
        package::loadCatalogue(catalogue, appDir.path());
        selection.setText(selectionText);
    }

    std::string packageFile(const PackageFont& font) const {
        return appDir.path() + "fonts\\" + font.file;
    }

    bool run() {
        return install::InstallSelectedFonts(selection, catalogue, appDir.path(),
                                             static_cast<int>(fonts.size()), registry, system,
                                             [&](int position) { progress.push_back(position); });
    }

    // What the run added, in the order differences() gives.
    std::vector<std::string> added(const std::vector<std::size_t>& copied,
                                   const std::vector<std::size_t>& registered) const {
        std::vector<std::string> lines;
        for (std::size_t n : copied)
            lines.push_back(addedFile(fonts[n]));
        for (std::size_t n : registered)
            lines.push_back(addedValue(fonts[n]));
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    static std::string addedFile(const PackageFont& font) { return "added file " + font.file; }
    static std::string addedValue(const PackageFont& font) {
        return "added value " + fontsKeyValue(font.title + " (TrueType)");
    }

    sys::Win32System system;
    ScratchFolder appDir{"fontsetup-faults"};
    const std::string resident = fontsFolder + "fontsetup-faults-resident.ttf";
    package::TextList catalogue{system}, selection{system};
    sys::RegistryAccessor registry{system};
    std::vector<PackageFont> fonts;
    std::vector<int> progress;
    MachineState before;
};

// The registry takes value names of up to 16,383 characters: the first
// title makes a name of exactly that many, the second one more.
TEST_F(InstallFaults, ATitleTheRegistryRefusesEndsTheRunAtThatFont) {
    const std::string longest = "最长" + std::string(16383 - 2 - 11, 'y');
    const std::string refused = "超长标题" + std::string(17000, 'x');
    makePackage({{longest, "fontsetup-faults-a.ttf", 1000},
                 {refused, "fontsetup-faults-b.ttf", 2000},
                 {"故障测试丙", "fontsetup-faults-c.otf", 4000}});

    try {
        run();
        ADD_FAILURE() << "the run returned although a value could not be written";
    } catch (const ERegistryException& error) {
        EXPECT_EQ(std::string(error.what()), "Failed to set data for '" + refused + " (TrueType)'");
    }

    EXPECT_EQ(progress, std::vector<int>{33});
    EXPECT_TRUE(registry.hasOpenKey()) << "the key stays open after the exception";
    registry.closeKey();
    // The refused font was copied before its value was written; the one
    // after it was never reached.
    EXPECT_EQ(differences(before, takeMachineState()), added({0, 1}, {0}));
}

TEST_F(InstallFaults, AFontHeldByAnotherProgramCountsNoSpaceAndFailsOnlyItsOwnCopy) {
    makePackage({{"故障测试甲", "fontsetup-faults-a.ttf", 1000},
                 {"故障测试乙", "fontsetup-faults-b.ttf", 2000},
                 {"故障测试丙", "fontsetup-faults-c.otf", 4000}});
    HeldByAnotherProcess holder(packageFile(fonts[1]), appDir.path());
    ASSERT_TRUE(holder.held());

    EXPECT_EQ(package::SelectedFontsSize(selection, catalogue, appDir.path(), system), 5000.0);
    EXPECT_FALSE(run());

    // The held font's share of the bar goes to the next font that succeeds.
    EXPECT_EQ(progress, (std::vector<int>{33, 100}));
    EXPECT_FALSE(registry.hasOpenKey());
    EXPECT_EQ(differences(before, takeMachineState()), added({0, 2}, {0, 2}));
}

} // namespace
