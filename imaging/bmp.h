#pragma once
// Windows bitmap files, as the font previews of a package are stored.
#include "imaging/picture.h"

#include <cstddef>
#include <cstdint>

namespace imaging {

// Decodes a BMP file held in memory. Zero bytes is an empty picture, as an
// empty preview file shows nothing; anything that does not begin with "BM",
// and any truncated or inconsistent header or pixel data, raises
// EInvalidGraphic. The result is opaque (alpha 255) unless the file is a
// 32-bit bitmap with an alpha mask; it is not premultiplied.
Picture decodeBmp(const std::uint8_t* data, std::size_t size);

} // namespace imaging
