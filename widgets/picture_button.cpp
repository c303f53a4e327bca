#include "widgets/picture_button.h"

#include "widgets/event_guard.h"
#include "widgets/image_list.h"

#include <windowsx.h>

namespace {

// A disabled button is drawn with every pixel's opacity halved.
constexpr BYTE disabledOpacity = 128;

POINT pointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

} // namespace

ButtonLook buttonLook(bool enabled, bool pointerOver, bool pressed) {
    if (!enabled || !pointerOver)
        return ButtonLook::Normal;
    return pressed ? ButtonLook::Down : ButtonLook::Hot;
}

int faceIndexFor(ButtonLook look, const ButtonFaces& faces, int storeCount) {
    auto present = [storeCount](int index) { return index >= 0 && index < storeCount; };
    if (look == ButtonLook::Down && present(faces.down))
        return faces.down;
    if (look != ButtonLook::Normal && present(faces.hot))
        return faces.hot;
    return present(faces.normal) ? faces.normal : -1;
}

PictureButton::PictureButton(std::string name, const ImageList& store)
    : Control(std::move(name), {0, 0, 0, 0}), store_(store) {}

void PictureButton::place(int left, int top, ButtonFaces faces, SIZE fallbackSize) {
    faces_ = faces;
    const Surface* face = store_.at(faces.normal);
    SIZE size = face ? SIZE{face->width(), face->height()} : fallbackSize;
    setBounds({left, top, size.cx, size.cy});
}

void PictureButton::paint(HDC dc, const RECT&) {
    paintParentBackground(dc);
    const Surface* face = store_.at(faceIndexFor(look(), faces_, store_.count()));
    if (face)
        face->drawBlended(dc, 0, 0, enabled() ? 255 : disabledOpacity);
}

LRESULT PictureButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        mouseMove(pointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        mouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        buttonDown();
        return 0;
    case WM_LBUTTONUP:
        buttonUp(pointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        setState(pointerOver_, false);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    return Control::handleMessage(message, wParam, lParam);
}

void PictureButton::enabledChanged() {
    if (!enabled()) {
        if (GetCapture() == hwnd())
            ReleaseCapture();
        pointerOver_ = pressed_ = false;
    }
    invalidate();
}

bool PictureButton::contains(POINT point) const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return PtInRect(&client, point) != FALSE;
}

void PictureButton::setState(bool pointerOver, bool pressed) {
    if (pointerOver == pointerOver_ && pressed == pressed_)
        return;
    pointerOver_ = pointerOver;
    pressed_ = pressed;
    invalidate();
}

void PictureButton::mouseMove(POINT point) {
    bool over = contains(point);
    if (over && !pointerOver_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
    }
    setState(over, pressed_);
}

void PictureButton::mouseLeave() {
    if (!pressed_)
        setState(false, false);
}

void PictureButton::buttonDown() {
    SetCapture(hwnd());
    setState(true, true);
}

void PictureButton::buttonUp(POINT point) {
    bool wasPressed = pressed_;
    if (GetCapture() == hwnd())
        ReleaseCapture();
    bool over = contains(point);
    setState(over, false);
    if (wasPressed && over && OnClick)
        guardEvent(this, [this] { OnClick(*this); });
}
