#pragma once
// Pictures carried in the running exe's own resources: the wizard reads no
// picture file of its own at run time.
#include "imaging/picture.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace imaging {

// The bytes of a resource of the running exe. Resource memory is mapped with
// the module and never freed, so the span stays valid for the whole run.
struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// The RCDATA resource `name`; raises EFOpenError when the exe has none.
ResourceBytes loadResourceBytes(const std::string& name);

// Decoded and premultiplied, ready for AlphaBlend. An index outside the
// list raises EFOpenError like a missing resource; a damaged picture raises
// EInvalidGraphic.
Picture loadPageBackground(int page);
Picture loadSlide(int index);
Picture loadButtonFace(int index);

} // namespace imaging
