#include "system/ansi_path.h"

namespace sys {
namespace {

// Walks the characters of the path from its start, so that every lead byte
// carries its trail byte along; calls onChar with the offset of each
// single-byte character.
template <typename OnChar>
void forEachSingleByteChar(const std::string& path, const LeadBytePredicate& isLeadByte,
                           OnChar onChar) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isLeadByte(static_cast<std::uint8_t>(path[i])) && i + 1 < path.size())
            ++i;
        else
            onChar(i);
    }
}

} // namespace

std::string cutAfterLastDelimiter(const std::string& path, const LeadBytePredicate& isLeadByte) {
    std::size_t length = 0;
    forEachSingleByteChar(path, isLeadByte, [&](std::size_t i) {
        if (path[i] == '\\' || path[i] == ':')
            length = i + 1;
    });
    return path.substr(0, length);
}

bool endsWithBackslash(const std::string& path, const LeadBytePredicate& isLeadByte) {
    bool last = false;
    forEachSingleByteChar(path, isLeadByte,
                          [&](std::size_t i) { last = i + 1 == path.size() && path[i] == '\\'; });
    return last;
}

std::string AppDir(System& system) {
    return cutAfterLastDelimiter(system.moduleFileName(),
                                 [&](std::uint8_t byte) { return system.isDbcsLeadByte(byte); });
}

} // namespace sys
