#include "tools/fontpack/report_format.h"

#include "tests/unit/fontpack/check_fixture.h"

#include <gtest/gtest.h>

namespace {

using testing_fontpack::Package;

TEST(ReportFormat, TextOfACleanPackage) {
    const Package package;
    EXPECT_EQ(fontpack::formatText(package.check()), "package\tpkg\n"
                                                     "font-file\t0\ta.ttf\n"
                                                     "font-file\t1\tb.ttf\n"
                                                     "font-file\t2\tc.otf\n"
                                                     "FontFileCount\t3\n"
                                                     "catalogue-entries\t3\n"
                                                     "row\t1\t1\tAlpha\ta.ttf\ta.bmp\t16x8\n"
                                                     "row\t2\t2\tBeta\tb.ttf\tb.bmp\t16x8\n"
                                                     "row\t3\t3\t宋体\tc.otf\tc.bmp\t16x8\n"
                                                     "filling\tcomplete\n"
                                                     "FontSelection\t0=1\n"
                                                     "FontSelection\t1=1\n"
                                                     "FontSelection\t2=1\n"
                                                     "required-space\t需要硬盘空间：1.75 MB\n"
                                                     "status\tclean\n");
}

TEST(ReportFormat, JsonOfAPackageWhoseFillingStops) {
    Package package;
    package.remove("fonts/c.bmp");
    package.remove("license.lic");
    EXPECT_EQ(fontpack::formatJson(package.check()), u8R"({
  "package": "pkg",
  "readable": true,
  "fontFiles": [
    "a.ttf",
    "b.ttf",
    "c.otf"
  ],
  "FontFileCount": 3,
  "catalogueEntries": 3,
  "rows": [
    {"row": 1, "entry": 0, "number": "1", "title": "Alpha", "file": "a.ttf", "preview": "a.bmp", "previewWidth": 16, "previewHeight": 8, "previewShown": true},
    {"row": 2, "entry": 1, "number": "2", "title": "Beta", "file": "b.ttf", "preview": "b.bmp", "previewWidth": 16, "previewHeight": 8, "previewShown": true},
    {"row": 3, "entry": 2, "number": "3", "title": "宋体", "file": "c.otf", "preview": "c.bmp", "previewShown": false}
  ],
  "filling": {"complete": false, "reason": "preview-unreadable", "entry": 2, "file": "c.otf", "message": "Cannot open file \"fonts\\c.bmp\""},
  "FontSelection": [
    "0=1",
    "1=1",
    "2=1"
  ],
  "requiredSpace": null,
  "warnings": [
    {"code": "filling-stops", "message": "the wizard stops filling the grid at entry 2 (c.otf): its preview cannot be read (Cannot open file \"fonts\\c.bmp\"); fonts not yet reached are not shown, and the required space is not shown"},
    {"code": "preview-missing", "message": "entry 2: the preview fonts\\c.bmp cannot be read"},
    {"code": "license-missing", "message": "license.lic is missing: the wizard's start-up ends before it reads the catalogue, so it shows no fonts at all"}
  ],
  "exitStatus": 1
}
)");
}

TEST(ReportFormat, AnUnreadableFolderSaysSoAndNothingElse) {
    sys::PosixSystem system("/nonexistent/package");
    const fontpack::CheckReport report = fontpack::checkPackage(system, "", "gone");
    EXPECT_EQ(fontpack::formatText(report), "package\tgone\nstatus\tunreadable\n");
}

} // namespace
