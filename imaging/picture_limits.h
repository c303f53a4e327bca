#pragma once
// The largest picture any decoder will allocate. A header may claim any size;
// checking it here, before a single pixel is allocated, keeps a damaged or
// hostile file from asking for gigabytes.
#include "imaging/picture.h"

#include <cstddef>
#include <cstdint>

namespace imaging {

constexpr std::int64_t kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 24;

// Raises EInvalidGraphic naming `format` unless both sides are positive and
// within the limits.
void checkPictureSize(const char* format, std::int64_t width, std::int64_t height);

// A picture of the given size, every pixel 0, after checkPictureSize.
Picture allocatePicture(const char* format, std::int64_t width, std::int64_t height);

// Opaque colour in the picture's pixel layout.
inline std::uint32_t bgra(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

} // namespace imaging
