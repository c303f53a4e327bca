#include "widgets/application.h"

#include "widgets/component.h"
#include "widgets/form.h"
#include "widgets/window.h"

#include <stdexcept>

namespace {

// The hidden window of the application object. It is what the taskbar shows
// (with the application title), it owns the main form, and a close chosen
// on its taskbar button is a close of the main form.
class ApplicationWindow : public Window {
  public:
    void create(const std::string& title) {
        createWindow({"ZarnikApplication",
                      WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                      title.c_str(), GetSystemMetrics(SM_CXSCREEN) / 2,
                      GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr});
    }

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        Form* mainForm = Application::instance().mainForm();
        bool closing =
            message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
        if (closing && mainForm) {
            PostMessageA(mainForm->hwnd(), WM_CLOSE, 0, 0);
            return 0;
        }
        return Window::handleMessage(message, wParam, lParam);
    }
};

ApplicationWindow& applicationWindow() {
    static ApplicationWindow window;
    return window;
}

} // namespace

std::string errorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

Application& Application::instance() {
    static Application application;
    return application;
}

void Application::Initialize() {
    if (window_)
        return;
    applicationWindow().create(title_);
    window_ = applicationWindow().hwnd();
}

void Application::setTitle(const std::string& title) {
    title_ = title;
    if (window_)
        SetWindowTextA(window_, title_.c_str());
}

HINSTANCE Application::module() const {
    return GetModuleHandleA(nullptr);
}

void Application::registerForm(Form& form) {
    if (!mainForm_)
        mainForm_ = &form;
}

void Application::Run() {
    if (!mainForm_)
        return;
    ShowWindow(window_, SW_SHOWNORMAL);
    mainForm_->Show();
    MSG message;
    while (!terminated_ && GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatchOne(message);
    terminated_ = true;
    mainForm_->Hide();
}

void Application::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::dispatchOne(const MSG& message) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Application::processMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit for the outer loop to see as well.
            terminated_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatchOne(message);
    }
}

void Application::handleException(Component* sender, std::exception_ptr error) {
    ReleaseCapture();
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        if (onException_)
            onException_(sender, e);
        else
            showException(e);
    } catch (...) {
        std::runtime_error unknown("");
        if (onException_)
            onException_(sender, unknown);
        else
            showException(unknown);
    }
}

void Application::showException(const std::exception& error) const {
    std::string text = errorBoxText(error.what());
    MessageBoxA(window_, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}
