#include "tools/fontpack/output_text.h"

#include "tools/fontpack/iconv_text.h"

namespace fontpack {

std::string ansiToUtf8(const std::string& ansi) {
    return convertLenient("UTF-8", "CP936", ansi, Units::CodePage936);
}

std::string forConsole(const std::string& ansi) {
    return ansiToUtf8(ansi);
}

} // namespace fontpack
