#include "tools/fontpack/commands.h"

#include "system/ansi_path.h"
#include "system/win32_system.h"
#include "tools/fontpack/package_check.h"

#include <iostream>

namespace fontpack {

// The folder as given, relative to the current directory or not, with the
// one backslash the package paths are joined with.
CheckReport checkFolder(const std::string& folder) {
    sys::Win32System system;
    const auto isLead = [&](std::uint8_t b) { return system.isDbcsLeadByte(b); };
    const bool ends =
        sys::endsWithBackslash(folder, isLead) || (!folder.empty() && folder.back() == '/');
    return checkPackage(system, folder + (ends ? "" : "\\"), folder);
}

int runBuild(const std::vector<std::string>& /*args*/) {
    std::cerr << "fontpack: build is only in the Linux fontpack, which draws the previews with "
                 "FreeType; this one offers check\n";
    return exitUnreadable;
}

} // namespace fontpack
