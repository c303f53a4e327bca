#pragma once
// Reading a selection flag as a boolean.
#include <string>

namespace install {

// A decimal number (with the user's decimal separator) is true when it is not
// zero; "True" and "False" in any letter case are themselves. Anything else,
// the empty text included, raises EConvertError
// "'<text>' is not a valid boolean value".
bool textToBoolean(const std::string& text, char decimalSeparator);

} // namespace install
