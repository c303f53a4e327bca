#include "imaging/picture_limits.h"

#include "system/errors.h"

#include <string>

namespace imaging {

void checkPictureSize(const char* format, std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0)
        throw EInvalidGraphic(std::string(format) + ": picture has no pixels");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw EInvalidGraphic(std::string(format) + ": picture is too large (" +
                              std::to_string(width) + " x " + std::to_string(height) + ")");
}

Picture allocatePicture(const char* format, std::int64_t width, std::int64_t height) {
    checkPictureSize(format, width, height);
    Picture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.assign(static_cast<std::size_t>(width * height), 0);
    return picture;
}

} // namespace imaging
