#pragma once
// Path cutting on ANSI text in a double-byte code page: a backslash byte may
// be the trail byte of a Chinese character, and must then not be taken for a
// folder separator.
#include "system/system.h"

#include <functional>
#include <string>

namespace sys {

using LeadBytePredicate = std::function<bool(std::uint8_t)>;

// The path up to and including its last backslash or colon, "" when it has
// neither. Trail bytes of double-byte characters are never taken as either.
std::string cutAfterLastDelimiter(const std::string& path, const LeadBytePredicate& isLeadByte);

// True when the path's last character is a backslash (not a trail byte).
bool endsWithBackslash(const std::string& path, const LeadBytePredicate& isLeadByte);

// The folder of the running executable, ending in a backslash.
std::string AppDir(System& system);

} // namespace sys
