#include "install/install_fonts.h"

#include "install/boolean_text.h"
#include "package/package_paths.h"
#include "system/directory_search.h"

#include <algorithm>
#include <cstdint>

namespace install {
namespace {

const char* const fontsFolder = "C:\\Windows\\Fonts\\";
const char* const fontsKey = "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
const char* const valueSuffix = " (TrueType)";

// A file already in the Fonts folder is used as it is, whatever it holds.
bool placeFontFile(sys::System& system, const std::string& appDir, const std::string& file) {
    const std::string target = fontsFolder + file;
    return sys::fileExists(system, target) ||
           system.copyFile(package::packageFolder(appDir) + file, target, false);
}

void reportProgress(int ticked, int selectedFontCount, const ProgressSink& progress) {
    if (selectedFontCount == 0 || !progress)
        return;
    const std::int64_t position = std::int64_t{ticked} * 100 / selectedFontCount;
    progress(static_cast<int>(std::clamp<std::int64_t>(position, 0, 100)));
}

} // namespace

bool InstallSelectedFonts(const package::TextList& selection, const package::TextList& catalogue,
                          const std::string& appDir, int selectedFontCount,
                          sys::RegistryAccessor& registry, sys::System& system,
                          const ProgressSink& progress) {
    registry.setRootKey(sys::hkeyLocalMachine);
    bool success = true;
    int ticked = 0;
    const int count = static_cast<int>(selection.count());
    for (int i = 0; i < count; ++i) {
        if (!textToBoolean(selection.value(std::to_string(i)), system.decimalSeparator()))
            continue;
        ++ticked;
        const std::string title = catalogue.value(package::titleKey(i));
        const std::string file = catalogue.value(package::fileKey(i));
        // Without the key (no administrator rights, say) the font is copied
        // but not installed, and the run must not report success.
        if (!placeFontFile(system, appDir, file) || !registry.openKey(fontsKey)) {
            success = false;
            continue;
        }
        registry.writeString(title + valueSuffix, file);
        system.addFontResource(file);
        reportProgress(ticked, selectedFontCount, progress);
    }
    registry.closeKey();
    return success;
}

} // namespace install
