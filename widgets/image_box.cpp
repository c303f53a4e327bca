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
    if (!hwnd() || !IsWindowVisible(hwnd())) {
        imageIndex_ = index;
        invalidate();
        return;
    }
    animation_.play(hwnd(), captureWindow(hwnd()), [this, index] { imageIndex_ = index; });
}

void ImageBox::paint(HDC dc, const RECT&) {
    const Surface* picture = images_.at(imageIndex_);
    if (!picture) {
        paintParentBackground(dc);
        return;
    }
    picture->draw(dc, 0, 0);
}
