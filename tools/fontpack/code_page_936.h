#pragma once
// Which byte strings are text in code page 936, the code page every string
// of a package is read in.
#include <string_view>

namespace fontpack {

// True when every byte is ASCII, the euro sign 0x80, or a lead byte 0x81 to
// 0xFE followed by a trail byte 0x40 to 0xFE other than 0x7F: the shape of
// code page 936 text. It does not ask whether a well-formed pair is assigned.
bool isCodePage936(std::string_view text);

} // namespace fontpack
