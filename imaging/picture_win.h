#pragma once
// A picture as a top-down 32-bit DIB section, the form GDI draws and
// AlphaBlend blends. Owns the bitmap; not copyable.
#include "imaging/picture.h"

#include <cstdint>

#include <windows.h>

namespace imaging {

class DibSection {
  public:
    DibSection() = default;
    // A bitmap holding a copy of the picture's pixels, row for row. An empty
    // picture gives an empty section; a failing GDI raises Exception.
    explicit DibSection(const Picture& picture);
    ~DibSection();

    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HBITMAP handle() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Row y starts at bits()[y * width()], as in the picture.
    std::uint32_t* bits() const { return bits_; }
    bool empty() const { return bitmap_ == nullptr; }

  private:
    void release();

    HBITMAP bitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace imaging
