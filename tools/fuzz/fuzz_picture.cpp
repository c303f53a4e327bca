// One decoder fed arbitrary bytes (the build names it). A damaged file may
// only raise EInvalidGraphic; any other exception, a crash, a leak or a
// picture whose pixels do not match its size is a finding.
#include FUZZ_HEADER
#include "system/errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const imaging::Picture picture = imaging::FUZZ_DECODER(data, size);
        const bool consistent =
            picture.width >= 0 && picture.height >= 0 &&
            picture.pixels.size() == std::size_t(picture.width) * std::size_t(picture.height);
        if (!consistent)
            std::abort();
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
