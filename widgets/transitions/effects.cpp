#include "widgets/transitions/effects.h"

#include <iterator>
#include <stdexcept>

namespace transitions {

namespace {

using K = EffectKind;
using D = Direction;
using V = Variant;

const Effect table[] = {
    {"Crossfade", K::Fade, D::None, V::Crossfade},
    {"Fade through black", K::Fade, D::None, V::ThroughBlack},
    {"Fade through white", K::Fade, D::None, V::ThroughWhite},

    {"Slide left", K::Slide, D::Left, V::Plain},
    {"Slide right", K::Slide, D::Right, V::Plain},
    {"Slide up", K::Slide, D::Up, V::Plain},
    {"Slide down", K::Slide, D::Down, V::Plain},
    {"Slide up-left", K::Slide, D::UpLeft, V::Plain},
    {"Slide up-right", K::Slide, D::UpRight, V::Plain},
    {"Slide down-left", K::Slide, D::DownLeft, V::Plain},
    {"Slide down-right", K::Slide, D::DownRight, V::Plain},

    {"Push left", K::Push, D::Left, V::Plain},
    {"Push right", K::Push, D::Right, V::Plain},
    {"Push up", K::Push, D::Up, V::Plain},
    {"Push down", K::Push, D::Down, V::Plain},

    {"Wipe left", K::Wipe, D::Left, V::Plain},
    {"Wipe right", K::Wipe, D::Right, V::Plain},
    {"Wipe up", K::Wipe, D::Up, V::Plain},
    {"Wipe down", K::Wipe, D::Down, V::Plain},

    {"Blinds left", K::Blinds, D::Left, V::Plain},
    {"Blinds right", K::Blinds, D::Right, V::Plain},
    {"Blinds up", K::Blinds, D::Up, V::Plain},
    {"Blinds down", K::Blinds, D::Down, V::Plain},

    {"Checkerboard across", K::Checker, D::Right, V::Plain},
    {"Checkerboard down", K::Checker, D::Down, V::Plain},

    {"Dissolve", K::Pixel, D::None, V::Dissolve},
    {"Random blocks", K::Pixel, D::None, V::Blocks},
    {"Mosaic", K::Pixel, D::None, V::Mosaic},

    {"Circle out", K::Circle, D::None, V::Grow},
    {"Circle in", K::Circle, D::None, V::Shrink},
    {"Circles", K::Circle, D::None, V::Grid},

    {"Diamond out", K::Diamond, D::None, V::Grow},
    {"Diamond in", K::Diamond, D::None, V::Shrink},
    {"Diamonds", K::Diamond, D::None, V::Grid},

    {"Spin in clockwise", K::Rotate, D::Clockwise, V::SpinIn},
    {"Spin in anticlockwise", K::Rotate, D::CounterClockwise, V::SpinIn},
    {"Spin out clockwise", K::Rotate, D::Clockwise, V::SpinOut},
    {"Spin out anticlockwise", K::Rotate, D::CounterClockwise, V::SpinOut},
};

} // namespace

std::size_t effectCount() {
    return std::size(table);
}

const Effect& effectAt(std::size_t index) {
    if (index >= std::size(table))
        throw std::out_of_range("no transition effect at this index");
    return table[index];
}

std::size_t pickEffect(std::uint32_t randomValue) {
    return static_cast<std::size_t>(static_cast<std::uint64_t>(randomValue) * std::size(table) >>
                                    32);
}

} // namespace transitions
