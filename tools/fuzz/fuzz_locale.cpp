#include "tools/fuzz/fuzz_locale.h"

#include <algorithm>

namespace fuzz {
namespace {

constexpr int dotlessI = 0x100;

int asciiLower(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Full-width Ａ-Ｚ, ａ-ｚ and ０-９ are A3 C1-DA, A3 E1-FA and A3 B0-B9.
int fullWidthAscii(unsigned char lead, unsigned char trail) {
    if (lead != 0xA3)
        return -1;
    if (trail >= 0xC1 && trail <= 0xDA)
        return 'a' + (trail - 0xC1);
    if (trail >= 0xE1 && trail <= 0xFA)
        return 'a' + (trail - 0xE1);
    if (trail >= 0xB0 && trail <= 0xB9)
        return '0' + (trail - 0xB0);
    return -1;
}

void appendWide(const std::string& text, std::vector<int>& units) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            continue;
        if (c >= 0x81 && c <= 0xFE && i + 1 < text.size()) {
            const unsigned char trail = static_cast<unsigned char>(text[++i]);
            const int ascii = fullWidthAscii(c, trail);
            units.push_back(ascii >= 0 ? ascii : 0x10000 + (c << 8 | trail));
            continue;
        }
        units.push_back(asciiLower(c));
    }
}

} // namespace

std::vector<int> collationUnits(const std::string& text, LocaleMode mode) {
    std::vector<int> units;
    units.reserve(text.size());
    switch (mode) {
    case LocaleMode::AsciiFold:
        for (unsigned char c : text)
            units.push_back(asciiLower(c));
        break;
    case LocaleMode::Turkish:
        for (unsigned char c : text)
            units.push_back(c == 'I' ? dotlessI : asciiLower(c));
        break;
    case LocaleMode::WideAndIgnorable:
        appendWide(text, units);
        break;
    }
    return units;
}

int LocaleSystem::compareTextIgnoreCase(const std::string& a, const std::string& b) {
    const std::vector<int> left = collationUnits(a, mode);
    const std::vector<int> right = collationUnits(b, mode);
    if (left == right)
        return sys::compareEqual;
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end())
               ? sys::compareLessThan
               : sys::compareGreaterThan;
}

} // namespace fuzz
