#include "widgets/transitions/progress.h"

namespace transitions {

double transitionProgress(std::int64_t elapsedMs, std::int64_t durationMs) {
    if (durationMs <= 0 || elapsedMs >= durationMs)
        return 1.0;
    if (elapsedMs <= 0)
        return 0.0;
    double t = static_cast<double>(elapsedMs) / static_cast<double>(durationMs);
    return t * t * (3.0 - 2.0 * t);
}

} // namespace transitions
