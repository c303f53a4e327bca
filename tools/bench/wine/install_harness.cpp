// Times the wizard's installation run on a real package: the package is
// loaded as the window's creation loads it (catalogue, font files, grid rows
// and selection), untimed, and then only InstallSelectedFonts is timed.
// Usage: install_harness.exe [PACKAGE_FOLDER]   (default: the exe's folder)
// Prints "fonts N ms T result R progress P load_ms L", L being the untimed
// loading before the run.
#include "tools/bench/wine/bench_clock.h"
#include "tools/bench/wine/row_grid.h"

#include "install/install_fonts.h"
#include "package/font_scan.h"
#include "system/ansi_path.h"
#include "system/registry_accessor.h"
#include "system/win32_system.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

std::string packageDir(sys::System& system, int argc, char** argv) {
    if (argc < 2)
        return sys::AppDir(system);
    std::string dir = argv[1];
    if (!sys::endsWithBackslash(dir, [&](std::uint8_t b) { return system.isDbcsLeadByte(b); }))
        dir += '\\';
    return dir;
}

} // namespace

int main(int argc, char** argv) {
    try {
        sys::Win32System platform;
        const std::string appDir = packageDir(platform, argc, argv);
        const double loadStart = nowMilliseconds();
        package::TextList catalogue(platform);
        package::TextList selection(platform);
        package::loadCatalogue(catalogue, appDir);
        package::FontFileList files = package::listPackageFonts(platform, appDir);
        RowGrid grid;
        package::sizeFontGrid(grid, files.fontFileCount);
        package::PreviewKeeper previews;
        package::fillFontRows(files.names, catalogue, selection, appDir, platform, grid, previews);

        const double loaded = nowMilliseconds() - loadStart;

        sys::RegistryAccessor registry(platform);
        int lastPosition = 0;
        const double start = nowMilliseconds();
        const bool result =
            install::InstallSelectedFonts(selection, catalogue, appDir, files.selectedFontCount,
                                          registry, platform, [&](int p) { lastPosition = p; });
        const double elapsed = nowMilliseconds() - start;
        std::printf("fonts %d ms %.3f result %d progress %d load_ms %.3f\n", files.fontFileCount,
                    elapsed, result ? 1 : 0, lastPosition, loaded);
        return result ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "install_harness: %s\n", error.what());
        return 2;
    }
}
