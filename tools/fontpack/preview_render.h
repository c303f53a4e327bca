#pragma once
// The preview picture of a font: a sample line drawn in the font itself, dark
// on white, sized for the selection grid's preview column (168 pixels wide,
// rows 28 pixels high). Native build only: it draws through FreeType.
#include "imaging/picture.h"

#include <string>

namespace fontpack {

constexpr int previewWidth = 160;
constexpr int previewHeight = 24;

// The Chinese sample when the font has every one of its characters, else the
// Latin one.
extern const char32_t chineseSample[];
extern const char32_t latinSample[];

struct Preview {
    imaging::Picture picture;
    bool chinese = false; // which sample it shows
    int pixelSize = 0;    // the size the sample was drawn at
};

// Draws the sample at the largest size up to 18 pixels at which the line
// fits; raises FontFileError when FreeType cannot open or draw the font.
Preview renderPreview(const std::string& fontPath);

} // namespace fontpack
