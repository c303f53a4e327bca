#include "widgets/transition_animation.h"

#include "widgets/application.h"
#include "widgets/cover.h"
#include "widgets/surface.h"
#include "widgets/transitions/effects.h"
#include "widgets/transitions/progress.h"
#include "widgets/transitions/render_frame.h"
#include "widgets/window_capture.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace {

// Frames are drawn about every 15 ms; in between the thread waits for
// messages instead of spinning.
constexpr DWORD frameIntervalMs = 15;

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::uint32_t randomDraw() {
    static std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return generator();
}

void waitForNextFrame() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, frameIntervalMs, QS_ALLINPUT);
    Application::instance().processMessages();
}

void TransitionAnimation::setDuration(int ms) {
    durationMs_ = std::clamp(ms, 50, 9000);
}

void TransitionAnimation::play(HWND target, const imaging::Picture& from,
                               const std::function<void()>& change) {
    Surface first(from);
    Cover cover(target, first);
    change();
    imaging::Picture to = captureWindow(target);
    run(from, to, [&cover](const Surface& frame) { cover.show(frame); });
}

void TransitionAnimation::run(const imaging::Picture& from, const imaging::Picture& to,
                              const std::function<void(const Surface& frame)>& showFrame) {
    lastEffect_ = transitions::pickEffect(randomDraw());
    const transitions::Effect& effect = transitions::effectAt(lastEffect_);
    Surface surface(from.width, from.height);
    imaging::Picture frame;
    std::int64_t start = nowMs();
    for (;;) {
        double progress = transitions::transitionProgress(nowMs() - start, durationMs_);
        transitions::renderFrame(effect, from, to, progress, frame);
        surface.assign(frame);
        showFrame(surface);
        if (progress >= 1.0)
            break;
        waitForNextFrame();
    }
}
