#include "imaging/picture_win.h"

#include "system/errors.h"

#include <cstring>
#include <string>
#include <utility>

namespace imaging {

DibSection::DibSection(const Picture& picture) {
    if (picture.empty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // negative: top-down rows, as the picture has them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits)
        throw Exception("cannot create a " + std::to_string(picture.width) + " x " +
                        std::to_string(picture.height) + " bitmap");
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = picture.width;
    height_ = picture.height;
    std::memcpy(bits_, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
}

DibSection::~DibSection() {
    release();
}

DibSection::DibSection(DibSection&& other) noexcept
    : bitmap_(std::exchange(other.bitmap_, nullptr)), bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)) {}

DibSection& DibSection::operator=(DibSection&& other) noexcept {
    if (this != &other) {
        release();
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void DibSection::release() {
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = nullptr;
    bits_ = nullptr;
}

} // namespace imaging
