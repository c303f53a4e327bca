#pragma once
// `fontpack check`: runs the wizard's own start-up code (catalogue load,
// folder listing, row filling, required space) on a package folder through
// the given system, then looks for what the wizard would silently pass over.
#include "system/system.h"
#include "tools/fontpack/check_report.h"

#include <string>

namespace fontpack {

// appDir is the package folder as the system's paths name it, ending in a
// backslash (or empty for the system's own base folder); displayName is what
// the report calls it.
CheckReport checkPackage(sys::System& system, const std::string& appDir,
                         const std::string& displayName);

} // namespace fontpack
