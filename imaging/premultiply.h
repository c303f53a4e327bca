#pragma once
// AlphaBlend expects colour channels already multiplied by alpha; drawing a
// straight-alpha picture with it brightens every translucent edge. Pictures
// are premultiplied once, when they are loaded.
#include "imaging/picture.h"

namespace imaging {

// Multiplies B, G and R of every pixel by A / 255, rounded to nearest, and
// sets `premultiplied`. A picture already premultiplied is left alone.
void premultiply(Picture& picture);

} // namespace imaging
