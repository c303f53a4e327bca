#pragma once
// A radio button drawn by us over the page picture: a round mark with the
// caption to its right, nothing behind them but the parent's picture. All
// radio buttons of one parent form one group. Choosing one (mouse click, Space
// released on it, or the keyboard focus arriving on it) unchooses the others
// and raises OnClick once the new choice is in effect; a mouse click raises it
// once more for the click itself. Only the chosen button is a tab stop.
#include "widgets/control.h"

#include <functional>
#include <string>

class RadioButton : public Control {
  public:
    // `font` is borrowed and must outlive the button.
    RadioButton(std::string name, Bounds bounds, std::string caption, HFONT font, bool checked);

    std::function<void(Component& sender)> OnClick;

    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    // Sets the state as the layout does: the rest of the group follows, but no
    // click event is raised.
    void setChecked(bool checked);

  protected:
    const char* className() const override { return "ZarnikRadioButton"; }
    DWORD style() const override { return checked_ ? WS_TABSTOP : 0; }
    std::string windowText() const override { return caption_; }
    void paint(HDC dc, const RECT& client) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Chooses this button; raises OnClick when the choice changed.
    void choose();
    // A completed click: chooses, then raises OnClick for the click itself.
    void click();
    void raiseClick();
    void applyState(bool checked);
    void uncheckSiblings();
    void focusNeighbour(bool forward);

    void mouseDown();
    void mouseUp(POINT point);
    bool keyDown(WPARAM key);
    void keyUp(WPARAM key);

    std::string caption_;
    HFONT font_;
    bool checked_;
    bool pressed_ = false;
};
