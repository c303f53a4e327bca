#pragma once
// A package as the checks see it: the catalogue as the wizard loads it, its
// raw bytes, the wizard's font file list, and every file of fonts\.
#include "package/text_list.h"
#include "system/system.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fontpack {

struct PackageView {
    PackageView(sys::System& system, std::string appDir)
        : system(system), appDir(std::move(appDir)), catalogue(system) {}

    sys::System& system;
    std::string appDir;
    bool catalogueLoaded = false;
    std::vector<std::uint8_t> catalogueBytes;
    package::TextList catalogue;
    bool fontsFolderFound = false;
    std::vector<std::string> fontFiles;   // the wizard's list, in its order
    std::vector<std::string> folderFiles; // every file of fonts\, as found
};

} // namespace fontpack
