#pragma once
// The animation of the main window appearing and disappearing: a transition
// from the desktop behind the window to the window's picture when it is
// shown, and back when it is hidden. Where the desktop composes windows the
// transition cannot be drawn over it, and the window fades in and out
// instead.
#include "widgets/component.h"

#include <windows.h>

class TransitionAnimation;

class WindowAnimation : public Component {
  public:
    WindowAnimation(std::string name, TransitionAnimation& showAnimation,
                    TransitionAnimation& hideAnimation)
        : Component(std::move(name)), show_(showAnimation), hide_(hideAnimation) {}

    // Shows the top-level `window`, whose client area `content` fills.
    void showWindow(HWND window, HWND content);
    void hideWindow(HWND window, HWND content);

  private:
    TransitionAnimation& show_;
    TransitionAnimation& hide_;
};

// Whether the desktop composes windows itself (desktop composition on).
bool desktopComposes();
