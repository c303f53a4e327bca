#include "tools/fontpack/commands.h"

#include "system/posix_system.h"
#include "tools/fontpack/package_build.h"
#include "tools/fontpack/package_check.h"

#include <iostream>

namespace fontpack {

// The package folder is the system's base, so every package path is
// relative and Linux names the folder however it likes.
CheckReport checkFolder(const std::string& folder) {
    sys::PosixSystem system(folder);
    return checkPackage(system, "", sys::toAnsiName(folder));
}

int runBuild(const std::vector<std::string>& args) {
    BuildOptions options;
    options.wizardExe = FONTPACK_WIZARD_EXE;
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--license" && hasValue)
            options.licenseFile = args[++i];
        else if (args[i] == "--wizard" && hasValue)
            options.wizardExe = args[++i];
        else
            folders.push_back(args[i]);
    }
    if (folders.size() != 2) {
        printUsage();
        return exitUnreadable;
    }
    options.fontsDir = folders[0];
    options.outDir = folders[1];
    return buildPackage(options, std::cout);
}

} // namespace fontpack
