#pragma once
// A top-level window for the controls under test to live in. It paints
// itself in one flat colour, also for WM_PRINTCLIENT, so a test can tell the
// parent's picture from what a control draws itself.
#include <windows.h>

constexpr COLORREF parentColour = RGB(10, 120, 200);

class TestParent {
  public:
    TestParent();
    ~TestParent();
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND hwnd() const { return window_; }
    // Shows and activates the window and lets it paint.
    void show();

  private:
    HWND window_;
};

// Dispatches every waiting message.
void pumpMessages();

// The colour at (x, y) of what `window` paints for WM_PRINTCLIENT.
COLORREF printedPixel(HWND window, int x, int y);
