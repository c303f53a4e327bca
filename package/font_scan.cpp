#include "package/font_scan.h"

#include "imaging/bmp.h"
#include "package/folder_listing.h"
#include "package/package_paths.h"

#include <unordered_map>

namespace package {
namespace {

std::vector<std::string> listLines(sys::System& system, const std::string& folder,
                                   const std::string& filter) {
    return splitLines(ListFolderFiles(system, folder, filter));
}

// File name -> the catalogue entries naming it, in catalogue order. The
// catalogue never changes during the scan, so walking it once for all names
// finds exactly the matches a walk per name would find, in the same order.
std::unordered_map<std::string, std::vector<int>> entriesByFile(const TextList& catalogue) {
    std::unordered_map<std::string, std::vector<int>> entries;
    for (int n = 0; !catalogue.value(titleKey(n)).empty(); ++n)
        entries[catalogue.value(fileKey(n))].push_back(n);
    return entries;
}

void addFontRow(int n, const TextList& catalogue, TextList& selection, const std::string& appDir,
                sys::System& system, FontGrid& grid, PreviewKeeper& previews) {
    selection.append(std::to_string(n) + "=1");
    const int row = n + 1;
    grid.addCheckBox(0, row, true, false);
    grid.setCell(1, row, std::to_string(row));
    grid.setCell(2, row, catalogue.value(titleKey(n)));
    const std::vector<std::uint8_t> bytes =
        system.readWholeFile(packageFolder(appDir) + catalogue.value(imageKey(n)));
    previews.push_back(
        std::make_unique<imaging::Picture>(imaging::decodeBmp(bytes.data(), bytes.size())));
    grid.addBitmap(3, row, previews.back().get(), true, CellHAlign::Center, CellVAlign::Center);
}

} // namespace

void loadCatalogue(TextList& catalogue, const std::string& appDir) {
    catalogue.loadFromFile(catalogueFile(appDir));
}

FontFileList listPackageFonts(sys::System& system, const std::string& appDir) {
    const std::string folder = packageFolder(appDir);
    FontFileList list;
    list.names = listLines(system, folder, ".ttf");
    const std::vector<std::string> openType = listLines(system, folder, ".otf");
    list.names.insert(list.names.end(), openType.begin(), openType.end());
    list.fontFileCount = static_cast<int>(list.names.size());
    list.selectedFontCount = list.fontFileCount;
    return list;
}

void sizeFontGrid(FontGrid& grid, int fontFileCount) {
    grid.setRowCount(fontFileCount + 1);
    grid.setDefaultRowHeight(fontRowHeight);
}

void fillFontRows(const std::vector<std::string>& fontFiles, const TextList& catalogue,
                  TextList& selection, const std::string& appDir, sys::System& system,
                  FontGrid& grid, PreviewKeeper& previews) {
    const auto entries = entriesByFile(catalogue);
    for (const std::string& name : fontFiles) {
        const auto found = entries.find(name);
        if (found == entries.end())
            continue;
        for (int n : found->second)
            addFontRow(n, catalogue, selection, appDir, system, grid, previews);
    }
}

} // namespace package
