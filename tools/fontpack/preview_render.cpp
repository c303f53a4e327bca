#include "tools/fontpack/preview_render.h"

#include "tools/fontpack/font_file_error.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace fontpack {

const char32_t chineseSample[] = U"汉字字体 永和九年";
const char32_t latinSample[] = U"AaBbCc Gg 0123";

namespace {

constexpr int largestSize = 18;
constexpr int smallestSize = 6;
constexpr int margin = 2;
constexpr std::uint32_t white = 0xFFFFFFFFu;
constexpr int ink = 40; // the grey of the text

class Library {
  public:
    Library() {
        if (FT_Init_FreeType(&library_))
            throw FontFileError("FreeType cannot start");
    }
    ~Library() { FT_Done_FreeType(library_); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    FT_Library get() const { return library_; }

  private:
    FT_Library library_ = nullptr;
};

class Face {
  public:
    Face(const Library& library, const std::string& path) {
        if (FT_New_Face(library.get(), path.c_str(), 0, &face_))
            throw FontFileError("FreeType cannot open the font");
    }
    ~Face() { FT_Done_Face(face_); }
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;
    FT_Face get() const { return face_; }

  private:
    FT_Face face_ = nullptr;
};

bool hasEveryGlyph(FT_Face face, const char32_t* text) {
    for (; *text; ++text)
        if (*text != U' ' && FT_Get_Char_Index(face, *text) == 0)
            return false;
    return true;
}

void loadGlyph(FT_Face face, char32_t c, FT_Int32 flags) {
    if (FT_Load_Char(face, c, flags))
        throw FontFileError("FreeType cannot draw a character of the sample");
}

int lineWidth(FT_Face face, const char32_t* text) {
    long width = 0;
    for (; *text; ++text) {
        loadGlyph(face, *text, FT_LOAD_DEFAULT);
        width += face->glyph->advance.x;
    }
    return static_cast<int>(width >> 6);
}

// The largest size whose line and height fit the picture.
int fittingSize(FT_Face face, const char32_t* text) {
    for (int size = largestSize; size > smallestSize; --size) {
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)))
            continue;
        const long height = (face->size->metrics.ascender - face->size->metrics.descender) >> 6;
        if (lineWidth(face, text) <= previewWidth - 2 * margin && height <= previewHeight)
            return size;
    }
    if (FT_Set_Pixel_Sizes(face, 0, smallestSize))
        throw FontFileError("FreeType cannot scale the font");
    return smallestSize;
}

void blendGlyph(const FT_Bitmap& bitmap, int left, int top, imaging::Picture& picture) {
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const int py = top + static_cast<int>(y);
        if (py < 0 || py >= picture.height)
            continue;
        for (unsigned x = 0; x < bitmap.width; ++x) {
            const int px = left + static_cast<int>(x);
            if (px < 0 || px >= picture.width)
                continue;
            const int coverage = bitmap.buffer[y * static_cast<unsigned>(bitmap.pitch) + x];
            std::uint32_t& pixel =
                picture.pixels[static_cast<std::size_t>(py) * picture.width + px];
            const int old = static_cast<int>(pixel & 0xFF);
            const int grey = old - (old - ink) * coverage / 255;
            const auto g = static_cast<std::uint32_t>(std::max(grey, 0));
            pixel = 0xFF000000u | g << 16 | g << 8 | g;
        }
    }
}

void drawLine(FT_Face face, const char32_t* text, imaging::Picture& picture) {
    const long ascender = face->size->metrics.ascender >> 6;
    const long descender = face->size->metrics.descender >> 6;
    const int baseline = static_cast<int>((previewHeight - (ascender - descender)) / 2 + ascender);
    long penX = margin << 6;
    for (; *text; ++text) {
        loadGlyph(face, *text, FT_LOAD_RENDER);
        const FT_GlyphSlot glyph = face->glyph;
        if (glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
            blendGlyph(glyph->bitmap, static_cast<int>(penX >> 6) + glyph->bitmap_left,
                       baseline - glyph->bitmap_top, picture);
        penX += glyph->advance.x;
    }
}

} // namespace

Preview renderPreview(const std::string& fontPath) {
    const Library library;
    const Face face(library, fontPath);
    Preview preview;
    preview.chinese = hasEveryGlyph(face.get(), chineseSample);
    const char32_t* text = preview.chinese ? chineseSample : latinSample;
    preview.pixelSize = fittingSize(face.get(), text);
    preview.picture.width = previewWidth;
    preview.picture.height = previewHeight;
    preview.picture.pixels.assign(static_cast<std::size_t>(previewWidth) * previewHeight, white);
    drawLine(face.get(), text, preview.picture);
    return preview;
}

} // namespace fontpack
