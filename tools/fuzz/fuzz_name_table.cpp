// The package tool's name table reader fed arbitrary bytes, both as a whole
// font file (table directory, then the name table it points at) and as a
// bare name table. A damaged font may only raise FontFileError.
#include "tools/fontpack/name_table.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const std::vector<std::uint8_t> font(data, data + size);
        fontpack::chooseFamilyName(fontpack::readNameRecords(font));
    } catch (const fontpack::FontFileError&) {
    }
    try {
        fontpack::chooseFamilyName(fontpack::parseNameTable(data, size));
    } catch (const fontpack::FontFileError&) {
    }
    return 0;
}
