#pragma once
// The installation run: every ticked font of the selection is copied into the
// system Fonts folder, recorded under the machine's fonts key and loaded.
#include "package/text_list.h"
#include "system/registry_accessor.h"
#include "system/system.h"

#include <functional>
#include <string>

namespace install {

// Receives the progress bar's new position, 0 to 100.
using ProgressSink = std::function<void(int position)>;

// Walks the selection by the keys "0" to its line count minus one. For each
// ticked entry N, in that order: the file "font"N"file" is copied from
// AppDir + "fonts\" unless a file of that name is already in
// "C:\Windows\Fonts\"; the fonts key is opened (never created); the REG_SZ
// value "<title> (TrueType)" = file is written; the font is loaded by its bare
// name; and the bar moves to ticked * 100 / selectedFontCount, at most 100
// (it stays where it is when the count is 0).
//
// Returns true when every ticked font was copied and registered. A font whose
// copy fails or whose key cannot be opened makes the result false and gets no
// registry value, no load and no progress; the run goes on with the next one.
// A flag that is not a boolean text (EConvertError) or a value that cannot be
// written (ERegistryException) ends the run there, raising to the caller.
bool InstallSelectedFonts(const package::TextList& selection, const package::TextList& catalogue,
                          const std::string& appDir, int selectedFontCount,
                          sys::RegistryAccessor& registry, sys::System& system,
                          const ProgressSink& progress);

} // namespace install
