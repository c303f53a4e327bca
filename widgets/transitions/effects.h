#pragma once
// The set of transition effects the wizard picks from at random, one pick
// for every page change and every slideshow picture.
#include "widgets/transitions/effect.h"

#include <cstddef>
#include <cstdint>

namespace transitions {

std::size_t effectCount();

// The effect at `index`; an index at or past effectCount() throws
// std::out_of_range.
const Effect& effectAt(std::size_t index);

// Maps a 32-bit random value (one draw of std::mt19937, say) to an index of
// the table by multiply and shift, so equal shares of the 2^32 values go to
// every effect; the unevenness is at most one value in 2^32 / effectCount(),
// far below anything a user could notice.
std::size_t pickEffect(std::uint32_t randomValue);

} // namespace transitions
