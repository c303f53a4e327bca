#pragma once
// PNG pictures, as the button faces are stored. The chunk, CRC, filter and
// colour handling is ours; zlib only inflates the image data.
#include "imaging/picture.h"

#include <cstddef>
#include <cstdint>

namespace imaging {

// Decodes a PNG file held in memory: every colour type and bit depth of the
// format, interlaced or not, with tRNS transparency. 16-bit samples are cut to
// their high byte. The result has straight (not premultiplied) alpha. A wrong
// signature, a bad chunk CRC, a truncated file, an unknown critical chunk, a
// broken compressed stream or a picture beyond the size limits raises
// EInvalidGraphic.
Picture decodePng(const std::uint8_t* data, std::size_t size);

} // namespace imaging
