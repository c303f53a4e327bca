#include "tools/fontpack/catalogue_keys.h"

#include <climits>

namespace fontpack {

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::optional<CatalogueKey> parseCatalogueKey(std::string_view name) {
    const std::string lower = asciiLower(name);
    if (lower.compare(0, 4, "font") != 0)
        return std::nullopt;
    std::size_t pos = 4;
    long long entry = 0;
    const std::size_t digits = pos;
    while (pos < lower.size() && lower[pos] >= '0' && lower[pos] <= '9' && entry <= INT_MAX)
        entry = entry * 10 + (lower[pos++] - '0');
    const std::size_t length = pos - digits;
    if (length == 0 || entry > INT_MAX || (length > 1 && lower[digits] == '0'))
        return std::nullopt;
    const std::string_view rest = std::string_view(lower).substr(pos);
    CatalogueKey key{static_cast<int>(entry), KeyKind::Title};
    if (rest == "title")
        key.kind = KeyKind::Title;
    else if (rest == "file")
        key.kind = KeyKind::File;
    else if (rest == "image")
        key.kind = KeyKind::Image;
    else
        return std::nullopt;
    return key;
}

std::optional<std::string_view> lineName(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, equals);
}

std::string_view lineValue(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
}

} // namespace fontpack
