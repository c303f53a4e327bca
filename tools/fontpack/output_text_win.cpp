#include "tools/fontpack/output_text.h"

#include <windows.h>

#include <vector>

namespace fontpack {

std::string ansiToUtf8(const std::string& ansi) {
    if (ansi.empty())
        return std::string();
    // Without MB_ERR_INVALID_CHARS, bytes that are not code page 936 become
    // U+FFFD or their nearest, never an error.
    const int size = static_cast<int>(ansi.size());
    const int wide = MultiByteToWideChar(936, 0, ansi.data(), size, nullptr, 0);
    std::vector<wchar_t> utf16(static_cast<std::size_t>(wide));
    MultiByteToWideChar(936, 0, ansi.data(), size, utf16.data(), wide);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::string forConsole(const std::string& ansi) {
    return ansi;
}

} // namespace fontpack
