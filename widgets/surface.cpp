#include "widgets/surface.h"

#include <algorithm>

namespace {

imaging::Picture blankPicture(int width, int height) {
    imaging::Picture picture;
    picture.width = std::max(width, 1);
    picture.height = std::max(height, 1);
    picture.pixels.assign(std::size_t(picture.width) * picture.height, 0);
    return picture;
}

} // namespace

Surface::Surface(int width, int height) : Surface(blankPicture(width, height)) {}

Surface::Surface(const imaging::Picture& picture)
    : dib_(picture.empty() ? blankPicture(1, 1) : picture), dc_(CreateCompatibleDC(nullptr)),
      selection_(dc_.get(), dib_.handle()) {}

imaging::Picture Surface::toPicture() const {
    GdiFlush();
    imaging::Picture picture;
    picture.width = width();
    picture.height = height();
    picture.pixels.assign(dib_.bits(), dib_.bits() + std::size_t(width()) * height());
    return picture;
}

void Surface::assign(const imaging::Picture& picture) {
    GdiFlush();
    int rows = std::min(height(), picture.height);
    int columns = std::min(width(), picture.width);
    for (int y = 0; y < rows; ++y)
        std::copy_n(picture.pixels.data() + std::size_t(y) * picture.width, columns,
                    dib_.bits() + std::size_t(y) * width());
}

void Surface::draw(HDC target, int x, int y) const {
    BitBlt(target, x, y, width(), height(), dc_.get(), 0, 0, SRCCOPY);
}

void Surface::drawBlended(HDC target, int x, int y, BYTE opacity) const {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, opacity, AC_SRC_ALPHA};
    AlphaBlend(target, x, y, width(), height(), dc_.get(), 0, 0, width(), height(), blend);
}
