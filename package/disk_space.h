#pragma once
// The two disk-space figures of the selection page.
#include "package/text_list.h"
#include "system/system.h"

#include <string>

namespace package {

// Free space of drive C: in GB, counted in whole MB first: free clusters
// times bytes per sector, brought down to whole MB, times sectors per
// cluster. 0 when the drive cannot be queried.
double freeSpaceGigabytes(sys::System& system);

// The free-space text of drive C:.
std::string freeSpaceText(sys::System& system);

// Total bytes of the files of the selected fonts, walking the selection by
// the keys "0" to its line count minus one. Only the value "0" leaves a key
// out (a missing key counts); a file that cannot be opened adds nothing, and
// an entry named twice counts twice.
double SelectedFontsSize(const TextList& selection, const TextList& catalogue,
                         const std::string& appDir, sys::System& system);

// The required-space text of the current selection.
std::string requiredSpaceText(const TextList& selection, const TextList& catalogue,
                              const std::string& appDir, sys::System& system);

} // namespace package
