#pragma once
// How far a transition has come, from the time it has run. The caller reads
// its own clock, so the curve is tested without one.
#include <cstdint>

namespace transitions {

constexpr std::int64_t transitionDurationMs = 400;

// 0 at the start, 1 from `durationMs` on, eased in and out in between
// (slow at both ends, so the first and last frames barely differ from the
// pictures around them). Negative elapsed times count as 0; a duration of 0
// or less is over at once.
double transitionProgress(std::int64_t elapsedMs, std::int64_t durationMs);

} // namespace transitions
