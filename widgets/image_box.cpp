#include "widgets/image_box.h"

#include "widgets/image_list.h"
#include "widgets/surface.h"
#include "widgets/transition_animation.h"
#include "widgets/window_capture.h"

ImageBox::ImageBox(std::string name, Bounds bounds, const ImageList& images,
                   TransitionAnimation& animation)
    : Control(std::move(name), bounds), images_(images), animation_(animation) {}

void ImageBox::setImageIndex(int index) {
    if (index == imageIndex_)
        return;
    // A change asked for while the box's own transition plays (a timer tick
    // served inside it) is shown without one of its own, so transitions never
    // nest on one box.
    if (!hwnd() || !IsWindowVisible(hwnd()) || playing_) {
        imageIndex_ = index;
        invalidate();
        return;
    }
    playing_ = true;
    try {
        animation_.play(hwnd(), captureWindow(hwnd()), [this, index] { imageIndex_ = index; });
    } catch (...) {
        playing_ = false;
        throw;
    }
    playing_ = false;
}

void ImageBox::paint(HDC dc, const RECT&) {
    const Surface* picture = images_.at(imageIndex_);
    if (!picture) {
        paintParentBackground(dc);
        return;
    }
    picture->draw(dc, 0, 0);
}
