#pragma once
// One transition effect as plain data: what kind of movement it is and which
// way it goes. The table of effects lives in effects.cpp; renderFrame reads
// an entry and draws it.

namespace transitions {

enum class EffectKind {
    Fade,    // the old picture blends into the new one
    Slide,   // the new picture moves in over the old one, which stays put
    Push,    // the new picture moves in and pushes the old one out
    Wipe,    // a straight edge sweeps across and uncovers the new picture
    Blinds,  // the same sweep inside each of a row of slats
    Checker, // the same sweep inside the cells of a checkerboard, in two passes
    Pixel,   // the picture breaks up into pixels or blocks
    Circle,  // a circle opens or closes
    Diamond, // a diamond opens or closes
    Rotate,  // a picture spins while it grows or shrinks
};

// For moving kinds, the way the moving edge or picture travels on screen:
// Slide Left enters at the right edge and moves left. Rotate uses the two
// turning senses, as seen on screen.
enum class Direction {
    None,
    Left,
    Right,
    Up,
    Down,
    UpLeft,
    UpRight,
    DownLeft,
    DownRight,
    Clockwise,
    CounterClockwise,
};

enum class Variant {
    Plain,
    Crossfade,    // Fade: straight blend
    ThroughBlack, // Fade: old picture to black, black to the new one
    ThroughWhite, // Fade: the same through white
    Dissolve,     // Pixel: single pixels in random order
    Blocks,       // Pixel: square blocks in random order
    Mosaic,       // Pixel: old picture coarsens, new one sharpens from coarse
    Grow,         // Circle, Diamond: the new picture inside a growing shape
    Shrink,       // Circle, Diamond: the old picture inside a shrinking shape
    Grid,         // Circle, Diamond: a growing shape in every cell of a grid
    SpinIn,       // Rotate: the new picture spins in from the centre
    SpinOut,      // Rotate: the old picture spins away into the centre
};

struct Effect {
    const char* name; // English, for logs and test names
    EffectKind kind;
    Direction direction;
    Variant variant;
};

} // namespace transitions
