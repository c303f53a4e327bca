#include "widgets/control.h"

#include "widgets/buffered_paint.h"

Control::Control(std::string name, Bounds bounds) : Component(std::move(name)), bounds_(bounds) {}

void Control::createHandle(HWND parent) {
    DWORD windowStyle = WS_CHILD | WS_CLIPSIBLINGS | style() | (visible_ ? WS_VISIBLE : 0) |
                        (enabled_ ? 0 : WS_DISABLED);
    std::string text = windowText();
    createWindow({className(), windowStyle, exStyle(), text.c_str(), bounds_.left, bounds_.top,
                  bounds_.width, bounds_.height, parent, nullptr});
}

void Control::setBounds(Bounds bounds) {
    bounds_ = bounds;
    if (hwnd())
        SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::setVisible(bool visible) {
    visible_ = visible;
    if (hwnd())
        ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

void Control::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    if (hwnd())
        EnableWindow(hwnd(), enabled);
    enabledChanged();
}

void Control::invalidate() {
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, FALSE);
}

void Control::paintParentBackground(HDC dc) const {
    HWND parent = GetParent(hwnd());
    POINT origin{0, 0};
    MapWindowPoints(hwnd(), parent, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

LRESULT Control::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        BufferedPaint buffer(hwnd());
        paint(buffer.dc(), buffer.client());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    }
    return Window::handleMessage(message, wParam, lParam);
}
