#pragma once
// Double-buffered WM_PAINT: the widget paints into a memory bitmap the size
// of its client area, and the destructor blits it to the screen in one go.
// Members are declared in acquisition order, so they release in reverse.
#include "widgets/handles.h"

class BufferedPaint {
  public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC dc() const { return memoryDc_.get(); }
    const RECT& client() const { return client_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC paintDc_;
    RECT client_{};
    UniqueMemoryDc memoryDc_;
    UniqueBitmap bitmap_;
    SelectedObject selection_;
};
