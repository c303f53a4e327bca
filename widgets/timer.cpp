#include "widgets/timer.h"

#include "widgets/event_guard.h"

namespace {

constexpr UINT_PTR timerId = 1;

} // namespace

Timer::Timer(std::string name, unsigned intervalMs, bool enabled)
    : Component(std::move(name)), intervalMs_(intervalMs), enabled_(enabled) {}

Timer::~Timer() {
    if (hwnd())
        KillTimer(hwnd(), timerId);
}

void Timer::createHandle() {
    createWindow({"ZarnikTimer", 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE, nullptr});
    restart();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::setInterval(unsigned intervalMs) {
    if (intervalMs == intervalMs_)
        return;
    intervalMs_ = intervalMs;
    restart();
}

void Timer::restart() {
    if (!hwnd())
        return;
    KillTimer(hwnd(), timerId);
    if (enabled_ && intervalMs_ > 0 && OnTimer)
        SetTimer(hwnd(), timerId, intervalMs_, nullptr);
}

LRESULT Timer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == timerId) {
        if (enabled_ && OnTimer)
            guardEvent(this, [this] { OnTimer(*this); });
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}
