#pragma once
// `fontpack build`: a complete package from a folder of font files. Native
// build only (it reads names through iconv and draws previews through
// FreeType).
#include "system/errors.h"

#include <ostream>
#include <string>

namespace fontpack {

class BuildError : public Exception {
    using Exception::Exception;
};

struct BuildOptions {
    std::string fontsDir;    // the font maker's .ttf / .otf files
    std::string outDir;      // the package to make; its fonts/ must be new or empty
    std::string licenseFile; // empty: write a placeholder licence
    std::string wizardExe;   // the wizard to ship beside the catalogue
};

// Copies the fonts (extensions in lower case) into outDir/fonts/, draws a
// preview for each, writes fonts.ini with their family names numbered from 0
// in the wizard's own listing order, adds the licence and the wizard, and
// checks the result. Tells what it does on `log`; returns the check's exit
// status. Raises BuildError (or FontFileError) when a step cannot be done.
int buildPackage(const BuildOptions& options, std::ostream& log);

} // namespace fontpack
