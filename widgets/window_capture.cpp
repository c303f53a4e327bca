#include "widgets/window_capture.h"

#include "widgets/surface.h"

namespace {

void printChildren(HWND window, HDC dc) {
    for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        POINT previous{};
        OffsetViewportOrgEx(dc, rect.left, rect.top, &previous);
        // System controls draw their borders in the non-client area; ours
        // answer WM_PRINTCLIENT, which WM_PRINT reaches through the default
        // window procedure.
        SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
        printChildren(child, dc);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    }
}

} // namespace

void printWindowTree(HWND window, HDC dc) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    printChildren(window, dc);
}

imaging::Picture captureWindow(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Surface surface(client.right, client.bottom);
    printWindowTree(window, surface.dc());
    imaging::Picture picture = surface.toPicture();
    for (std::uint32_t& pixel : picture.pixels)
        pixel |= 0xFF000000u; // GDI leaves alpha at 0; the captured page is opaque
    return picture;
}
