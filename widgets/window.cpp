#include "widgets/window.h"

#include "widgets/application.h"

#include <exception>
#include <stdexcept>

namespace {

void registerClassOnce(const Window::CreateParams& params, WNDPROC procedure) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(module, params.className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = params.cursor ? params.cursor : LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = params.className;
    if (!RegisterClassExA(&windowClass))
        throw std::runtime_error(std::string("cannot register window class ") + params.className);
}

} // namespace

Window::~Window() {
    destroyWindow();
}

void Window::createWindow(const CreateParams& params) {
    registerClassOnce(params, &Window::windowProc);
    CreateWindowExA(params.exStyle, params.className, params.text, params.style, params.left,
                    params.top, params.width, params.height, params.parent, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error(std::string("cannot create window of class ") + params.className);
}

void Window::destroyWindow() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::guardedMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return handleMessage(message, wParam, lParam);
    } catch (...) {
        Application::instance().handleException(eventSender(), std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = window->guardedMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
    }
    return result;
}
