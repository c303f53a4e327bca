#include "package/disk_space.h"

#include "package/figure_format.h"
#include "package/package_paths.h"

namespace package {

double freeSpaceGigabytes(sys::System& system) {
    // A failed query leaves the figures at zero rather than undefined.
    sys::DiskFreeSpace space;
    if (!system.getDiskFreeSpace("C:\\", space))
        space = sys::DiskFreeSpace();
    const std::uint64_t bytes = std::uint64_t{space.freeClusters} * space.bytesPerSector;
    const std::uint64_t megabytes = bytes / 1024 / 1024 * space.sectorsPerCluster;
    return static_cast<double>(megabytes) / 1024;
}

std::string freeSpaceText(sys::System& system) {
    return freeSpaceText(freeSpaceGigabytes(system), system.decimalSeparator());
}

double SelectedFontsSize(const TextList& selection, const TextList& catalogue,
                         const std::string& appDir, sys::System& system) {
    double total = 0;
    const int count = static_cast<int>(selection.count());
    for (int i = 0; i < count; ++i) {
        if (selection.value(std::to_string(i)) == "0")
            continue;
        std::uint32_t size = 0;
        if (system.openSharedFileSize(packageFolder(appDir) + catalogue.value(fileKey(i)), size))
            total += size;
    }
    return total;
}

std::string requiredSpaceText(const TextList& selection, const TextList& catalogue,
                              const std::string& appDir, sys::System& system) {
    return requiredSpaceText(SelectedFontsSize(selection, catalogue, appDir, system),
                             system.decimalSeparator());
}

} // namespace package
