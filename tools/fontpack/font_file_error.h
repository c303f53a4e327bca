#pragma once
// The error of a font file the package tool cannot read a name from.
#include "system/errors.h"

namespace fontpack {

class FontFileError : public Exception {
    using Exception::Exception;
};

} // namespace fontpack
