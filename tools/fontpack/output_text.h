#pragma once
// The reports are made of code page 936 text, as the package is; this turns
// them into what the terminal or a JSON reader expects.
#include <string>

namespace fontpack {

// Code page 936 as UTF-8; a byte sequence that is not code page 936 becomes
// U+FFFD, so the result is always valid UTF-8.
std::string ansiToUtf8(const std::string& ansi);

// The text as the console shows it: UTF-8 on Linux, unchanged (the ANSI code
// page) on Windows.
std::string forConsole(const std::string& ansi);

} // namespace fontpack
