#pragma once
// Font names as the catalogue needs them: code page 936 (native build).
#include "tools/fontpack/name_table.h"

#include <string>

namespace fontpack {

// The name in UTF-8, for messages; what cannot be converted becomes U+FFFD.
std::string nameToUtf8(const FontName& name);

// The name in code page 936; raises FontFileError, quoting the name, when
// the code page cannot hold one of its characters.
std::string nameToCodePage936(const FontName& name);

} // namespace fontpack
