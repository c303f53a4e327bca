#pragma once
// A top-level window of fixed size with a single border, owned by the
// application window (so the taskbar shows the application title), with the
// create and close events of a designer form.
#include "widgets/component.h"
#include "widgets/handles.h"
#include "widgets/window.h"

#include <functional>
#include <string>

enum class CloseAction { None, Hide, Free, Minimize };

class Form : public Component, public Window {
  public:
    struct Properties {
        const char* caption;
        int clientWidth;
        int clientHeight;
        const char* fontFace;
        int fontHeight;
    };

    Form(std::string name, const Properties& properties);

    std::function<void(Component& sender)> OnCreate;
    std::function<void(Component& sender, CloseAction& action)> OnClose;

    // Runs the close event; with any action but None the main form ends the
    // application and another form hides.
    void Close();
    virtual void Show();
    virtual void Hide();
    HFONT font() const { return font_.get(); }

  protected:
    // Creates the HWND; the derived form calls it first in its constructor
    // body, then creates its components, then RunCreateEvent.
    void createHandle(HICON icon);
    void runCreateEvent();
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Component* eventSender() override { return this; }

  private:
    Properties properties_;
    UniqueFont font_;
};

// The outer size of a window whose client area has the given size, centred
// on a screen of the given size.
RECT centredWindowRect(int clientWidth, int clientHeight, DWORD style, DWORD exStyle,
                       int screenWidth, int screenHeight);
