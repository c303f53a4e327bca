#include "tools/fontpack/commands.h"

#include "tools/fontpack/output_text.h"
#include "tools/fontpack/report_format.h"

#include <iostream>

namespace fontpack {

void printUsage() {
    std::cerr << "usage: fontpack check [--json] PACKAGE_DIR\n"
                 "       fontpack build [--license FILE] [--wizard EXE] FONTS_DIR OUT_DIR\n"
                 "check exits with 0 when the wizard shows and installs every catalogued font,\n"
                 "1 with warnings, 2 when the folder cannot be read.\n";
}

int runCheck(const std::vector<std::string>& args) {
    bool json = false;
    std::vector<std::string> folders;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else
            folders.push_back(arg);
    }
    if (folders.size() != 1) {
        printUsage();
        return exitUnreadable;
    }
    const CheckReport report = checkFolder(folders[0]);
    std::cout << (json ? formatJson(report) : forConsole(formatText(report)));
    if (!report.readable)
        std::cerr << "fontpack: cannot read the folder " << folders[0] << "\n";
    return report.exitStatus();
}

} // namespace fontpack
