#pragma once
// JPEG pictures, as the page backgrounds and the slideshow are stored,
// decoded through libjpeg.
#include "imaging/picture.h"

#include <cstddef>
#include <cstdint>

namespace imaging {

// Decodes a JPEG file held in memory (baseline or progressive; grey or
// colour) into an opaque picture. Every error and every warning of libjpeg
// (a truncated file is only a warning to it) raises EInvalidGraphic with
// libjpeg's own message; so do a missing start-of-image marker and a picture
// beyond the size limits.
Picture decodeJpeg(const std::uint8_t* data, std::size_t size);

} // namespace imaging
