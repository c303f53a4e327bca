#pragma once
// The sorted names of the files of one folder that carry one extension.
#include "system/system.h"

#include <string>

namespace package {

// Lists the files (never folders, hidden and system files included) of the
// folder whose extension equals the filter exactly, case and all, after the
// filter is trimmed of blanks and control bytes; an empty filter lists every
// file. The names are sorted by the locale's case-blind comparison and
// returned as one text, each name followed by CR LF. A folder that cannot be
// searched lists nothing.
std::string ListFolderFiles(sys::System& system, const std::string& folder,
                            const std::string& filter);

} // namespace package
