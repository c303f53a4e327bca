#pragma once
// Where the parts of a font package lie and how the catalogue names them.
#include <string>

namespace package {

inline std::string catalogueFile(const std::string& appDir) {
    return appDir + "fonts.ini";
}
inline std::string packageFolder(const std::string& appDir) {
    return appDir + "fonts\\";
}

// Catalogue keys of entry n: "font" n "title", "font" n "file", "font" n "image".
inline std::string titleKey(int n) {
    return "font" + std::to_string(n) + "title";
}
inline std::string fileKey(int n) {
    return "font" + std::to_string(n) + "file";
}
inline std::string imageKey(int n) {
    return "font" + std::to_string(n) + "image";
}

} // namespace package
