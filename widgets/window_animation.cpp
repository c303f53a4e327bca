#include "widgets/window_animation.h"

#include "widgets/handles.h"
#include "widgets/surface.h"
#include "widgets/transition_animation.h"
#include "widgets/window.h"
#include "widgets/window_capture.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace {

constexpr int fadeDurationMs = 400;

RECT clientOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

imaging::Picture captureScreen(const RECT& rect) {
    Surface surface(rect.right - rect.left, rect.bottom - rect.top);
    WindowDc screen(nullptr);
    BitBlt(surface.dc(), 0, 0, surface.width(), surface.height(), screen.get(), rect.left, rect.top,
           SRCCOPY);
    imaging::Picture picture = surface.toPicture();
    for (std::uint32_t& pixel : picture.pixels)
        pixel |= 0xFF000000u;
    return picture;
}

// A transparent picture of the given size: what is left of a window that
// has gone, so the desktop shows through a layered window.
imaging::Picture transparentPicture(int width, int height) {
    imaging::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(std::size_t(width) * height, 0);
    picture.premultiplied = true;
    return picture;
}

// A borderless, topmost, per-pixel-alpha window over the vanishing window's
// client area, on which the hide transition plays.
class LayeredPopup : public Window {
  public:
    explicit LayeredPopup(const RECT& rect) : rect_(rect) {
        createWindow({"ZarnikLayeredPopup", WS_POPUP,
                      WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "",
                      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                      nullptr});
    }
    ~LayeredPopup() override { destroyWindow(); }

    void show(const Surface& frame) {
        POINT origin{rect_.left, rect_.top};
        SIZE size{frame.width(), frame.height()};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(hwnd(), nullptr, &origin, &size, frame.dc(), &source, 0, &blend,
                            ULW_ALPHA);
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    }

  private:
    RECT rect_;
};

void setOpacity(HWND window, double share) {
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(255 * share), LWA_ALPHA);
}

// Fades the whole window in or out over 400 ms through a window-wide alpha,
// which the composing desktop draws itself.
void fade(HWND window, bool in) {
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowLongA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setOpacity(window, in ? 0.0 : 1.0);
    if (in)
        ShowWindow(window, SW_SHOWNORMAL);
    auto start = std::chrono::steady_clock::now();
    for (double share = 0.0; share < 1.0;) {
        waitForNextFrame();
        auto elapsed = std::chrono::steady_clock::now() - start;
        share = std::min(1.0, std::chrono::duration<double, std::milli>(elapsed).count() /
                                  fadeDurationMs);
        setOpacity(window, in ? share : 1.0 - share);
    }
    if (!in)
        ShowWindow(window, SW_HIDE);
    SetWindowLongA(window, GWL_EXSTYLE, exStyle);
}

using DwmIsCompositionEnabledFunction = HRESULT(WINAPI*)(BOOL*);

} // namespace

bool desktopComposes() {
    // Loaded by full path from the system folder, never from the program's
    // own folder or the current directory.
    char folder[MAX_PATH] = {};
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    UniqueModule dwm(LoadLibraryA((std::string(folder) + "\\dwmapi.dll").c_str()));
    if (!dwm)
        return false;
    auto isEnabled = reinterpret_cast<DwmIsCompositionEnabledFunction>(
        reinterpret_cast<void*>(GetProcAddress(dwm.get(), "DwmIsCompositionEnabled")));
    BOOL enabled = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}

void WindowAnimation::showWindow(HWND window, HWND content) {
    if (desktopComposes()) {
        fade(window, true);
        return;
    }
    imaging::Picture desktop = captureScreen(clientOnScreen(window));
    show_.play(content, desktop, [window] { ShowWindow(window, SW_SHOWNORMAL); });
}

void WindowAnimation::hideWindow(HWND window, HWND content) {
    if (!IsWindowVisible(window))
        return;
    if (desktopComposes()) {
        fade(window, false);
        return;
    }
    imaging::Picture picture = captureWindow(content);
    picture.premultiplied = true;
    LayeredPopup popup(clientOnScreen(window));
    Surface first(picture);
    popup.show(first);
    ShowWindow(window, SW_HIDE);
    hide_.run(picture, transparentPicture(picture.width, picture.height),
              [&popup](const Surface& frame) { popup.show(frame); });
}
