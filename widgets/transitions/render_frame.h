#pragma once
// Draws one frame of a transition from the old picture to the new one.
#include "imaging/picture.h"
#include "widgets/transitions/effect.h"

namespace transitions {

// Fills `out` with the frame of `effect` at `progress` (0 to 1; values
// outside are clamped, NaN counts as 0). `out` takes the size of `from`;
// progress 0 gives `from` exactly and progress 1 the new picture exactly.
// A `to` of another size is drawn at the top-left corner, and the part of
// the frame it does not cover is opaque black. `out` may be `from` or `to`
// itself. A picture whose pixels do not fill its width × height throws
// std::invalid_argument; nothing is read beyond any picture's pixels.
void renderFrame(const Effect& effect, const imaging::Picture& from, const imaging::Picture& to,
                 double progress, imaging::Picture& out);

} // namespace transitions
