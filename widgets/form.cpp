#include "widgets/form.h"

#include "widgets/application.h"
#include "widgets/event_guard.h"

namespace {

// A fixed single border with the system menu and minimise, nothing else:
// the window cannot be resized or maximised.
constexpr DWORD formStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD formExStyle = WS_EX_WINDOWEDGE;

} // namespace

RECT centredWindowRect(int clientWidth, int clientHeight, DWORD style, DWORD exStyle,
                       int screenWidth, int screenHeight) {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int left = (screenWidth - width) / 2;
    int top = (screenHeight - height) / 2;
    return RECT{left, top, left + width, top + height};
}

// The font exists before the components do, so they can take it over.
Form::Form(std::string name, const Properties& properties)
    : Component(std::move(name)), properties_(properties),
      font_(CreateFontA(-properties.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH, properties.fontFace)) {}

void Form::createHandle(HICON icon) {
    Application& application = Application::instance();
    application.registerForm(*this);
    RECT rect =
        centredWindowRect(properties_.clientWidth, properties_.clientHeight, formStyle, formExStyle,
                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    createWindow({"ZarnikForm", formStyle, formExStyle, properties_.caption, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, application.handle(), nullptr});
    if (icon) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void Form::runCreateEvent() {
    if (OnCreate)
        guardEvent(this, [this] { OnCreate(*this); });
}

void Form::Show() {
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void Form::Hide() {
    ShowWindow(hwnd(), SW_HIDE);
}

void Form::Close() {
    CloseAction action = CloseAction::Hide;
    if (OnClose)
        OnClose(*this, action);
    if (action == CloseAction::None)
        return;
    Application& application = Application::instance();
    if (application.mainForm() == this)
        application.Terminate();
    else if (action == CloseAction::Minimize)
        ShowWindow(hwnd(), SW_MINIMIZE);
    else
        Hide();
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SYSCOMMAND:
        // The application window stands for the program on the taskbar, so
        // minimising the form minimises the application, which hides it.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application::instance().mainForm() == this) {
            ShowWindow(Application::instance().handle(), SW_MINIMIZE);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    }
    return Window::handleMessage(message, wParam, lParam);
}
