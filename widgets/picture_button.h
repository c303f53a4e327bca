#pragma once
// A button drawn entirely from pictures with alpha: a normal, a hot and a
// down face from a shared face store, blended over the page behind it. It
// never takes the keyboard focus; a disabled button shows its face at half
// opacity and ignores the mouse.
#include "widgets/control.h"

#include <functional>

class ImageList;

struct ButtonFaces {
    int normal, hot, down;
};

enum class ButtonLook { Normal, Hot, Down };

// What the button shows: the down face while pressed with the pointer over
// it, the hot face while the pointer is over it, the normal face otherwise.
ButtonLook buttonLook(bool enabled, bool pointerOver, bool pressed);

// The face index for a look, falling back from down to hot to normal when a
// face is missing from a store of `storeCount` pictures; -1 when even the
// normal face is missing.
int faceIndexFor(ButtonLook look, const ButtonFaces& faces, int storeCount);

class PictureButton : public Control {
  public:
    PictureButton(std::string name, const ImageList& store);

    // Places the button on its page with its faces; it takes the size of
    // its normal face (or `fallbackSize` while the store has none).
    void place(int left, int top, ButtonFaces faces, SIZE fallbackSize);

    std::function<void(Component& sender)> OnClick;

    ButtonLook look() const { return buttonLook(enabled(), pointerOver_, pressed_); }

  protected:
    const char* className() const override { return "ZarnikPictureButton"; }
    void paint(HDC dc, const RECT& client) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void enabledChanged() override;

  private:
    void mouseMove(POINT point);
    void mouseLeave();
    void buttonDown();
    void buttonUp(POINT point);
    bool contains(POINT point) const;
    void setState(bool pointerOver, bool pressed);

    const ImageList& store_;
    ButtonFaces faces_{-1, -1, -1};
    bool pointerOver_ = false;
    bool pressed_ = false;
};
