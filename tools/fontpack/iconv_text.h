#pragma once
// Text conversions through iconv, for the native build.
#include <string>

namespace fontpack {

// Converts the whole text; false when some of it cannot be converted (or
// the conversion is unknown), with out then undefined.
bool convertStrict(const char* to, const char* from, const std::string& in, std::string& out);

// How the source text is cut into characters when part of it cannot be
// converted.
enum class Units { CodePage936, SingleBytes, Utf16 };

// Converts what it can; each character that cannot be converted becomes
// U+FFFD (to must be "UTF-8").
std::string convertLenient(const char* to, const char* from, const std::string& in, Units units);

} // namespace fontpack
