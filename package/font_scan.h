#pragma once
// The start-up scan of the package: the catalogue is loaded, the font files
// listed, and every file matched to the catalogue entries that name it, each
// match becoming a ticked grid row and a selection line "N=1".
//
// The window's creation calls these one by one, in this order; an error in
// any of them ends the sequence there and leaves what was done in place.
#include "imaging/picture.h"
#include "package/font_grid.h"
#include "package/text_list.h"
#include "system/system.h"

#include <memory>
#include <string>
#include <vector>

namespace package {

// Owns the preview pictures for as long as the window shows them.
using PreviewKeeper = std::vector<std::unique_ptr<imaging::Picture>>;

constexpr int fontRowHeight = 28;

// Loads AppDir + "fonts.ini"; raises EFOpenError when it cannot be read.
void loadCatalogue(TextList& catalogue, const std::string& appDir);

struct FontFileList {
    // The ".ttf" names in sorted order, then the ".otf" names in sorted order.
    std::vector<std::string> names;
    int fontFileCount = 0;
    // Counts files, matched or not, until the user first clicks a box.
    int selectedFontCount = 0;
};

FontFileList listPackageFonts(sys::System& system, const std::string& appDir);

// One row per font file below the header, every row of the fixed height.
void sizeFontGrid(FontGrid& grid, int fontFileCount);

// Matches every listed file against the catalogue entries up to the first one
// without a title. Entry N's match appends "N=1" to the selection and fills
// grid row N + 1: check box, number, title and preview. Raises what the grid
// or the preview load raises, ending the scan at that match.
void fillFontRows(const std::vector<std::string>& fontFiles, const TextList& catalogue,
                  TextList& selection, const std::string& appDir, sys::System& system,
                  FontGrid& grid, PreviewKeeper& previews);

} // namespace package
