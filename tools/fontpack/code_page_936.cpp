#include "tools/fontpack/code_page_936.h"

namespace fontpack {

bool isCodePage936(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte <= 0x80)
            continue;
        if (byte == 0xFF || i + 1 == text.size())
            return false;
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

} // namespace fontpack
