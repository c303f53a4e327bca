#pragma once
// Reading the catalogue's own key scheme back out of a line's name.
#include <optional>
#include <string>
#include <string_view>

namespace fontpack {

enum class KeyKind { Title, File, Image };

struct CatalogueKey {
    int entry = 0;
    KeyKind kind = KeyKind::Title;
};

// The entry and kind of a name that answers a catalogue key: "font", N in
// decimal as an integer prints it (no sign, no leading zero), then "title",
// "file" or "image", letters in any case (for these ASCII keys the locale's
// case-blind comparison is exactly this).
std::optional<CatalogueKey> parseCatalogueKey(std::string_view name);

// The name and value of a line, when it has an "=".
std::optional<std::string_view> lineName(std::string_view line);
std::string_view lineValue(std::string_view line);

// ASCII letters in lower case, every other byte kept.
std::string asciiLower(std::string_view text);

} // namespace fontpack
