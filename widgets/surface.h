#pragma once
// A picture held as a top-down 32-bit DIB section selected into a memory DC:
// what the widgets draw from (page backgrounds, button faces, slides) and
// draw into (captured pages, transition frames).
#include "imaging/picture.h"
#include "imaging/picture_win.h"
#include "widgets/handles.h"

#include <cstdint>

class Surface {
  public:
    Surface(int width, int height);
    explicit Surface(const imaging::Picture& picture);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return dib_.width(); }
    int height() const { return dib_.height(); }
    HDC dc() const { return dc_.get(); }

    // The pixels as a picture, for the transition effects.
    imaging::Picture toPicture() const;
    void assign(const imaging::Picture& picture);

    // Copies the surface as it is, ignoring alpha.
    void draw(HDC target, int x, int y) const;
    // Blends the surface by its premultiplied alpha, scaled by `opacity` (0-255).
    void drawBlended(HDC target, int x, int y, BYTE opacity = 255) const;

  private:
    imaging::DibSection dib_;
    UniqueMemoryDc dc_;
    SelectedObject selection_;
};
