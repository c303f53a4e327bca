#include "tools/fontpack/name_conversion.h"

#include "tools/fontpack/iconv_text.h"

namespace fontpack {
namespace {

const char* encodingOf(const FontName& name) {
    return name.macRoman ? "MACINTOSH" : "UTF-16BE";
}

std::string bytesOf(const FontName& name) {
    return std::string(name.bytes.begin(), name.bytes.end());
}

} // namespace

std::string nameToUtf8(const FontName& name) {
    return convertLenient("UTF-8", encodingOf(name), bytesOf(name),
                          name.macRoman ? Units::SingleBytes : Units::Utf16);
}

std::string nameToCodePage936(const FontName& name) {
    std::string ansi;
    if (!convertStrict("CP936", encodingOf(name), bytesOf(name), ansi))
        throw FontFileError("the name \"" + nameToUtf8(name) +
                            "\" has characters that code page 936 cannot hold");
    return ansi;
}

} // namespace fontpack
