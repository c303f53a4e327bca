// fontpack: builds and checks the font packages the setup wizard installs.
#include "tools/fontpack/commands.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (!args.empty() && args[0] == "check")
            return fontpack::runCheck({args.begin() + 1, args.end()});
        if (!args.empty() && args[0] == "build")
            return fontpack::runBuild({args.begin() + 1, args.end()});
        fontpack::printUsage();
    } catch (const std::exception& e) {
        std::cerr << "fontpack: " << e.what() << "\n";
    }
    return fontpack::exitUnreadable;
}
