#pragma once
// A child window laid over another window while a transition plays: it shows
// the frames and takes every mouse message over that area, so clicks during
// the transition reach nothing.
#include "widgets/window.h"

class Surface;

class Cover : public Window {
  public:
    // Lays the cover over `covered` (a child window), on top of its siblings,
    // showing `picture` until the first frame.
    Cover(HWND covered, const Surface& picture);
    ~Cover() override;

    void show(const Surface& frame);

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const Surface* frame_;
};
