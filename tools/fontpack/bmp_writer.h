#pragma once
// Writes pictures as the previews of a package are stored: 24-bit BMP files.
#include "imaging/picture.h"

#include <cstdint>
#include <vector>

namespace fontpack {

// A bottom-up 24-bit BMP with a BITMAPINFOHEADER; alpha is dropped.
std::vector<std::uint8_t> encodeBmp24(const imaging::Picture& picture);

} // namespace fontpack
