#include "widgets/cover.h"

#include "widgets/handles.h"
#include "widgets/surface.h"

Cover::Cover(HWND covered, const Surface& picture) : frame_(&picture) {
    RECT rect{};
    GetWindowRect(covered, &rect);
    HWND parent = GetParent(covered);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    createWindow({"ZarnikCover", WS_CHILD | WS_CLIPSIBLINGS, 0, "", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent, nullptr});
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    UpdateWindow(hwnd());
}

Cover::~Cover() {
    destroyWindow();
}

void Cover::show(const Surface& frame) {
    frame_ = &frame;
    WindowDc dc(hwnd());
    frame.draw(dc.get(), 0, 0);
}

LRESULT Cover::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd(), &paint);
        frame_->draw(dc, 0, 0);
        EndPaint(hwnd(), &paint);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}
