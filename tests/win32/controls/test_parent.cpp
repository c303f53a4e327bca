#include "tests/win32/controls/test_parent.h"

#include "widgets/application.h"
#include "widgets/handles.h"

namespace {

constexpr const char* parentClass = "ControlsTestParent";

void paintFlat(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    UniqueBrush brush(CreateSolidBrush(parentColour));
    FillRect(dc, &client, brush.get());
}

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        paintFlat(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        paintFlat(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerParentClass() {
    WNDCLASSA existing{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), parentClass, &existing))
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = parentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = parentClass;
    RegisterClassA(&windowClass);
    // A failing event handler must not stop the run with an error box.
    Application::instance().setExceptionHandler([](Component*, const std::exception&) {});
}

} // namespace

TestParent::TestParent() {
    registerParentClass();
    window_ = CreateWindowExA(0, parentClass, "controls", WS_OVERLAPPED | WS_CLIPCHILDREN, 0, 0,
                              700, 450, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TestParent::~TestParent() {
    DestroyWindow(window_);
}

void TestParent::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
    pumpMessages();
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

COLORREF printedPixel(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    WindowDc screen(nullptr);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    SelectedObject selection(memory.get(), bitmap.get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    return GetPixel(memory.get(), x, y);
}
