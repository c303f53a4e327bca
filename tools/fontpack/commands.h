#pragma once
// The commands of fontpack, and the parts of them that differ between the
// Linux build and the Windows console build.
#include "tools/fontpack/check_report.h"

#include <string>
#include <vector>

namespace fontpack {

constexpr int exitUnreadable = 2;

// `check [--json] DIR`
int runCheck(const std::vector<std::string>& args);
// `build [--license FILE] [--wizard EXE] FONTS_DIR OUT_DIR`; only the Linux
// build can draw previews, so the Windows one refuses it.
int runBuild(const std::vector<std::string>& args);

// Checks the package folder through this platform's system seam.
CheckReport checkFolder(const std::string& folder);

void printUsage();

} // namespace fontpack
