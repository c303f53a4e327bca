#pragma once
// The skeleton every window of the program shares: the class is registered
// once, the object is attached to its HWND at WM_NCCREATE and detached at
// WM_NCDESTROY, and every message runs inside the exception guard.
#include <windows.h>

#include <string>

class Component;

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    struct CreateParams {
        const char* className;
        DWORD style;
        DWORD exStyle;
        const char* text;
        int left, top, width, height;
        HWND parent;
        HCURSOR cursor;
    };

  protected:
    // Called only once the derived object is fully built.
    void createWindow(const CreateParams& params);
    void destroyWindow();

    // Messages of this window. The default hands them to DefWindowProcA.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The component reported as sender when a message handler throws.
    virtual Component* eventSender() { return nullptr; }

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT guardedMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};
