#include "tools/fontpack/package_check.h"

#include "tests/unit/fontpack/check_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using testing_fontpack::Package;

std::multiset<std::string> codesOf(const fontpack::CheckReport& report) {
    std::multiset<std::string> codes;
    for (const fontpack::Warning& warning : report.warnings)
        codes.insert(warning.code);
    return codes;
}

std::string messagesOf(const fontpack::CheckReport& report) {
    std::string text;
    for (const fontpack::Warning& warning : report.warnings)
        text += warning.code + ": " + warning.message + "\n";
    return text;
}

TEST(PackageCheck, AWellFormedPackageIsClean) {
    const Package package;
    const fontpack::CheckReport report = package.check();
    EXPECT_EQ(report.exitStatus(), 0) << messagesOf(report);
    EXPECT_EQ(report.fontFiles, (std::vector<std::string>{"a.ttf", "b.ttf", "c.otf"}));
    EXPECT_EQ(report.rows.size(), 3u);
    EXPECT_FALSE(report.stop);
    EXPECT_EQ(report.requiredSpace, std::optional<std::string>("需要硬盘空间：1.75 MB"));
}

struct BrokenPackage {
    const char* fault;
    std::function<void(Package&)> breakIt;
    std::multiset<std::string> codes;
};

const std::string pngBytes = "\x89PNG\r\n\x1a\n"; // the signature alone

const BrokenPackage brokenPackages[] = {
    {"empty title ends the catalogue",
     [](Package& p) { p.edit("font1title=Beta", "font1title="); },
     {"catalogue-end", "font-not-catalogued", "font-not-catalogued"}},
    {"missing title ends the catalogue",
     [](Package& p) { p.edit("font1title=Beta\r\n", ""); },
     {"catalogue-end", "font-not-catalogued", "font-not-catalogued"}},
    {"file missing",
     [](Package& p) { p.edit("font1file=b.ttf", "font1file=x.ttf"); },
     {"file-missing", "font-not-catalogued"}},
    {"file differs in case",
     [](Package& p) { p.edit("font1file=b.ttf", "font1file=B.ttf"); },
     {"file-case", "font-not-catalogued"}},
    {"font file no entry names",
     [](Package& p) { p.folder.write("fonts/d.ttf", "d"); },
     {"font-not-catalogued"}},
    {"entry beyond the grid, matched",
     [](Package& p) {
         p.edit("[fonts]", "font3title=Again\r\nfont3file=a.ttf\r\nfont3image=a.bmp");
     },
     {"filling-stops", "entry-beyond-grid", "same-file"}},
    {"entry beyond the grid, upper-case extension",
     [](Package& p) {
         p.rename("fonts/c.otf", "fonts/c.OTF");
         p.edit("font2file=c.otf", "font2file=c.OTF");
     },
     {"upper-case-extension", "file-missing", "entry-beyond-grid"}},
    {"duplicate key",
     [](Package& p) { p.edit("[fonts]", "[fonts]\r\nfont0title=First"); },
     {"duplicate-key"}},
    {"duplicate key with the same value",
     [](Package& p) { p.edit("[fonts]", "[fonts]\r\nfont0title=Alpha"); },
     {}},
    {"blank before =",
     [](Package& p) { p.edit("font1file=", "font1file ="); },
     {"blank-around-equals", "file-missing", "font-not-catalogued"}},
    {"blank after =",
     [](Package& p) { p.edit("font1title=", "font1title= "); },
     {"blank-around-equals"}},
    {"byte-order mark",
     [](Package& p) { p.edit("[fonts]", "\xEF\xBB\xBF[fonts]"); },
     {"byte-order-mark"}},
    {"byte-order mark on the first key",
     [](Package& p) { p.edit("[fonts]\r\n", "\xEF\xBB\xBF"); },
     {"byte-order-mark", "catalogue-end", "font-not-catalogued", "font-not-catalogued",
      "font-not-catalogued"}},
    {"NUL byte",
     [](Package& p) { p.edit("font2title", std::string("\0", 1) + "font2title"); },
     {"nul-byte", "font-not-catalogued"}},
    {"preview missing",
     [](Package& p) { p.remove("fonts/b.bmp"); },
     {"preview-missing", "filling-stops"}},
    {"preview empty", [](Package& p) { p.folder.write("fonts/b.bmp", ""); }, {"preview-empty"}},
    {"preview not BMP",
     [](Package& p) { p.folder.write("fonts/b.bmp", pngBytes); },
     {"preview-not-bmp", "filling-stops"}},
    {"no preview named",
     [](Package& p) { p.edit("font1image=b.bmp", "font1image="); },
     {"preview-none", "filling-stops"}},
    {"two entries name one file",
     [](Package& p) { p.edit("font2file=c.otf", "font2file=a.ttf"); },
     {"same-file", "font-not-catalogued"}},
    {"two entries with one title",
     [](Package& p) { p.edit("font1title=Beta", "font1title=ALPHA"); },
     {"same-title"}},
    {"title not code page 936",
     [](Package& p) { p.edit("font1title=Beta", "font1title=\xFF\xFE"); },
     {"title-not-cp936"}},
    {"licence missing", [](Package& p) { p.remove("license.lic"); }, {"license-missing"}},
    {"catalogue missing",
     [](Package& p) { p.remove("fonts.ini"); },
     {"filling-stops", "font-not-catalogued", "font-not-catalogued", "font-not-catalogued"}},
    {"no entries",
     [](Package& p) { p.folder.write("fonts.ini", "[fonts]\r\n"); },
     {"no-entries", "font-not-catalogued", "font-not-catalogued", "font-not-catalogued"}},
};

TEST(PackageCheck, EachFaultGivesItsWarningsAndExitStatusOne) {
    for (const BrokenPackage& broken : brokenPackages) {
        Package package;
        broken.breakIt(package);
        const fontpack::CheckReport report = package.check();
        EXPECT_EQ(codesOf(report), broken.codes) << broken.fault << "\n" << messagesOf(report);
        EXPECT_EQ(report.exitStatus(), broken.codes.empty() ? 0 : 1) << broken.fault;
    }
}

TEST(PackageCheck, AnUnreadableFolderIsExitStatusTwo) {
    Package package;
    const std::string missing = package.folder.str() + "/none";
    sys::PosixSystem system(missing);
    EXPECT_EQ(fontpack::checkPackage(system, "", missing).exitStatus(), 2);
    package.folder.write("file", "x");
    sys::PosixSystem onFile(package.folder.str() + "/file");
    EXPECT_EQ(fontpack::checkPackage(onFile, "", "file").exitStatus(), 2);
}

// a.ttf is listed first and matches entries 0 and 3; row 4 does not exist,
// so the scan ends there and b.ttf and c.otf are never reached.
TEST(PackageCheck, FillingStopsAtTheFirstEntryBeyondTheGrid) {
    Package package;
    package.edit("[fonts]", "font3title=Again\r\nfont3file=a.ttf\r\nfont3image=a.bmp");
    const fontpack::CheckReport report = package.check();
    ASSERT_TRUE(report.stop);
    EXPECT_EQ(report.stop->reason, "beyond-grid");
    EXPECT_EQ(report.stop->entry, 3);
    EXPECT_EQ(report.stop->file, "a.ttf");
    EXPECT_EQ(report.stop->message, "Invalid cell");
    ASSERT_EQ(report.rows.size(), 1u);
    EXPECT_EQ(report.rows[0].row, 1);
    EXPECT_EQ(report.selection, (std::vector<std::string>{"0=1", "3=1"}));
    EXPECT_FALSE(report.requiredSpace);
}

// The row being filled keeps its box, number and title, but no picture.
TEST(PackageCheck, AMissingPreviewStopsWithItsRowHalfFilled) {
    Package package;
    package.remove("fonts/b.bmp");
    const fontpack::CheckReport report = package.check();
    ASSERT_TRUE(report.stop);
    EXPECT_EQ(report.stop->reason, "preview-unreadable");
    EXPECT_EQ(report.stop->entry, 1);
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_TRUE(report.rows[0].previewShown);
    EXPECT_EQ(report.rows[1].title, "Beta");
    EXPECT_EQ(report.rows[1].number, "2");
    EXPECT_FALSE(report.rows[1].previewShown);
}

} // namespace
