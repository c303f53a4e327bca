#include "install/install_fonts.h"

#include "system/errors.h"
#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

namespace {

using package::TextList;

const std::string appDir = "C:\\Setup\\";
const std::string fonts = appDir + "fonts\\";
const std::string target = "C:\\Windows\\Fonts\\";
const std::string fontsKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

class InstallFontsTest : public testing::Test {
  protected:
    // Entries 0..count-1: title "Font n", file "fn.ttf" (entry 2: "f2.otf"),
    // each file in the package.
    void package(int count) {
        std::string ini;
        for (int n = 0; n < count; ++n) {
            const std::string file = "f" + std::to_string(n) + (n == 2 ? ".otf" : ".ttf");
            ini += "font" + std::to_string(n) + "title=Font " + std::to_string(n) + "\r\nfont" +
                   std::to_string(n) + "file=" + file + "\r\n";
            system.addFile(fonts + file, "font " + std::to_string(n));
        }
        catalogue.setText(ini);
    }
    bool run(const std::string& lines, int selectedFontCount) {
        selection.setText(lines);
        return install::InstallSelectedFonts(selection, catalogue, appDir, selectedFontCount,
                                             registry, system,
                                             [&](int position) { progress.push_back(position); });
    }
    bool registered(int n) const {
        return system.registryValue(fontsKey, "Font " + std::to_string(n) + " (TrueType)");
    }
    // The platform calls of the run that change the machine, in order.
    std::vector<std::string> effects() const {
        std::vector<std::string> kept;
        for (const std::string& call : system.calls)
            if (call.rfind("copyFile", 0) == 0 || call.rfind("regSetValueEx", 0) == 0 ||
                call.rfind("addFontResource", 0) == 0)
                kept.push_back(call);
        return kept;
    }

    fake::FakeSystem system;
    TextList catalogue{system};
    TextList selection{system};
    sys::RegistryAccessor registry{system};
    std::vector<int> progress;
};

TEST_F(InstallFontsTest, CopiesRegistersAndLoadsEveryTickedFontInKeyOrder) {
    package(4);
    EXPECT_TRUE(run("3=1\n1=0\n0=1\n2=1", 3));

    EXPECT_EQ(effects(), (std::vector<std::string>{
                             "copyFile " + fonts + "f0.ttf -> " + target + "f0.ttf",
                             "regSetValueEx Font 0 (TrueType)",
                             "addFontResource f0.ttf",
                             "copyFile " + fonts + "f2.otf -> " + target + "f2.otf",
                             "regSetValueEx Font 2 (TrueType)",
                             "addFontResource f2.otf",
                             "copyFile " + fonts + "f3.ttf -> " + target + "f3.ttf",
                             "regSetValueEx Font 3 (TrueType)",
                             "addFontResource f3.ttf",
                         }));
    EXPECT_EQ(progress, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(system.fileBytes(target + "f2.otf"), system.fileBytes(fonts + "f2.otf"));
    const fake::RegistryValue* value = system.registryValue(fontsKey, "Font 2 (TrueType)");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, sys::regSz);
    EXPECT_EQ(std::string(value->data.begin(), value->data.end()), std::string("f2.otf", 7));
    EXPECT_FALSE(registered(1));
    EXPECT_EQ(registry.rootKey(), sys::hkeyLocalMachine);
    EXPECT_EQ(system.openKeyCount(), 0u);
}

TEST_F(InstallFontsTest, StepsOfOneFontComeInTheirFixedOrder) {
    package(1);
    system.calls.clear();
    EXPECT_TRUE(run("0=1", 1));
    const std::string key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
    EXPECT_EQ(system.calls, (std::vector<std::string>{
                                "findFirstFile " + target + "f0.ttf",
                                "copyFile " + fonts + "f0.ttf -> " + target + "f0.ttf",
                                "regOpenKeyEx 2147483650 " + key + " 0 983103",
                                "regSetValueEx Font 0 (TrueType)",
                                "addFontResource f0.ttf",
                                "regCloseKey",
                            }));
}

TEST_F(InstallFontsTest, NothingTickedTouchesNothing) {
    package(2);
    system.calls.clear();
    EXPECT_TRUE(run("0=0\n1=0", 2));
    for (const std::string& call : system.calls)
        EXPECT_EQ(call.rfind("findFirstFile", 0), std::string::npos) << call;
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(system.registryValueCount(fontsKey), 0u);
}

TEST_F(InstallFontsTest, FileAlreadyInTheFontsFolderIsNotCopiedButRegistered) {
    package(2);
    system.addFile(target + "f0.ttf", "older");
    EXPECT_TRUE(run("0=1\n1=1", 2));
    EXPECT_EQ(system.fileBytes(target + "f0.ttf"),
              std::vector<std::uint8_t>({'o', 'l', 'd', 'e', 'r'}));
    EXPECT_EQ(effects().front(), "regSetValueEx Font 0 (TrueType)");
    EXPECT_TRUE(registered(0));
    EXPECT_TRUE(registered(1));
}

TEST_F(InstallFontsTest, FailedCopySkipsTheFontAndItsShareGoesToTheNext) {
    struct Case {
        const char* what;
        void (*spoil)(fake::FakeSystem&);
    };
    const Case cases[] = {
        {"folder named like the font", [](fake::FakeSystem& s) { s.addFolder(target + "f0.ttf"); }},
        {"copy refused", [](fake::FakeSystem& s) { s.failCopyTo.insert(target + "f0.ttf"); }},
        {"source unreadable", [](fake::FakeSystem& s) { s.lockedFiles.insert(fonts + "f0.ttf"); }},
    };
    for (const Case& c : cases) {
        fake::FakeSystem machine;
        TextList cat(machine), sel(machine);
        std::string ini =
            "font0title=Font 0\nfont0file=f0.ttf\nfont1title=Font 1\nfont1file=f1.ttf\n";
        cat.setText(ini);
        machine.addFile(fonts + "f0.ttf", "0");
        machine.addFile(fonts + "f1.ttf", "1");
        c.spoil(machine);
        sel.setText("0=1\n1=1");
        sys::RegistryAccessor reg(machine);
        std::vector<int> bar;
        EXPECT_FALSE(install::InstallSelectedFonts(sel, cat, appDir, 2, reg, machine, [&](int p) {
            bar.push_back(p);
        })) << c.what;
        EXPECT_EQ(bar, std::vector<int>{100}) << c.what;
        EXPECT_FALSE(machine.registryValue(fontsKey, "Font 0 (TrueType)")) << c.what;
        EXPECT_TRUE(machine.registryValue(fontsKey, "Font 1 (TrueType)")) << c.what;
        EXPECT_EQ(std::count(machine.calls.begin(), machine.calls.end(), "addFontResource f0.ttf"),
                  0)
            << c.what;
    }
}

TEST_F(InstallFontsTest, EmptyFileValueFailsTheCopy) {
    catalogue.setText("font0title=Font 0\n");
    system.calls.clear();
    EXPECT_FALSE(run("0=1", 1));
    EXPECT_EQ(system.calls[0], "findFirstFile " + target);
    EXPECT_EQ(system.registryValueCount(fontsKey), 0u);
}

TEST_F(InstallFontsTest, KeyThatCannotBeOpenedFailsTheRunWithTheFontCopiedOnly) {
    package(2);
    system.failKeyOpen = true;
    EXPECT_FALSE(run("0=1\n1=1", 2));
    EXPECT_TRUE(system.hasFile(target + "f0.ttf"));
    EXPECT_TRUE(system.hasFile(target + "f1.ttf"));
    EXPECT_EQ(effects().size(), 2u); // the two copies, nothing else
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(system.registryValueCount(fontsKey), 0u);
}

TEST_F(InstallFontsTest, KeyLostForTheLastFontOnlyLeavesTheBarShort) {
    package(3);
    system.keyOpensAllowed = 2;
    EXPECT_FALSE(run("0=1\n1=1\n2=1", 3));
    EXPECT_EQ(progress, (std::vector<int>{33, 66}));
    EXPECT_TRUE(registered(1));
    EXPECT_FALSE(registered(2));
    EXPECT_EQ(system.openKeyCount(), 0u);
}

TEST_F(InstallFontsTest, ProgressIsTickedTimesHundredOverTheCountHeldAtHundred) {
    struct Case {
        int fonts, selectedFontCount;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {9, 10, {10, 20, 30, 40, 50, 60, 70, 80, 90}}, // a file no entry names
        {3, 1, {100, 100, 100}},
        {2, 3, {33, 66}},
        {2, 0, {}}, // no division by zero: the bar stays where it is
    };
    for (const Case& c : cases) {
        fake::FakeSystem machine;
        TextList cat(machine), sel(machine);
        std::string ini, lines;
        for (int n = 0; n < c.fonts; ++n) {
            const std::string i = std::to_string(n);
            ini += "font" + i + "title=T" + i + "\nfont" + i + "file=f" + i + ".ttf\n";
            lines += i + "=1\n";
            machine.addFile(fonts + "f" + i + ".ttf", i);
        }
        cat.setText(ini);
        sel.setText(lines);
        sys::RegistryAccessor reg(machine);
        std::vector<int> bar;
        EXPECT_TRUE(install::InstallSelectedFonts(sel, cat, appDir, c.selectedFontCount, reg,
                                                  machine, [&](int p) { bar.push_back(p); }));
        EXPECT_EQ(bar, c.positions) << c.fonts << " of " << c.selectedFontCount;
        EXPECT_EQ(machine.registryValueCount(fontsKey), static_cast<std::size_t>(c.fonts));
    }
}

TEST_F(InstallFontsTest, MissingKeyEndsTheRunWithAConversionError) {
    package(3);
    try {
        run("0=1\n2=1", 2);
        FAIL() << "key 1 is missing";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid boolean value");
    }
    EXPECT_TRUE(registered(0));
    EXPECT_FALSE(system.hasFile(target + "f2.otf"));
    EXPECT_TRUE(registry.hasOpenKey()); // the run ended before closing it
}

TEST_F(InstallFontsTest, OtherBooleanTextsAreRead) {
    package(4);
    EXPECT_TRUE(run("0=True\n1=0.0\n2=2.5\n3=false", 2));
    EXPECT_TRUE(registered(0));
    EXPECT_FALSE(registered(1));
    EXPECT_TRUE(registered(2));
    EXPECT_FALSE(registered(3));
}

TEST_F(InstallFontsTest, FailedWriteEndsTheRunAfterTheCopy) {
    package(2);
    system.failWriteOf.insert("Font 0 (TrueType)");
    EXPECT_THROW(run("0=1\n1=1", 2), ERegistryException);
    EXPECT_TRUE(system.hasFile(target + "f0.ttf"));
    EXPECT_FALSE(system.hasFile(target + "f1.ttf"));
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "addFontResource f0.ttf"), 0);
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(registry.hasOpenKey());
}

TEST_F(InstallFontsTest, SecondRunRegistersAgainWithoutCopying) {
    package(1);
    ASSERT_TRUE(run("0=1", 1));
    system.calls.clear();
    EXPECT_TRUE(run("0=1", 1));
    EXPECT_EQ(effects(), (std::vector<std::string>{"regSetValueEx Font 0 (TrueType)",
                                                   "addFontResource f0.ttf"}));
}

} // namespace
