#pragma once
// A caption drawn straight onto the page picture, with no background of its
// own. Like a designer label it sizes itself to a new caption, keeping its
// top-left corner, and lets mouse input fall through to the page.
#include "widgets/control.h"

#include <string>

class TransparentLabel : public Control {
  public:
    // `font` is borrowed and must outlive the label.
    TransparentLabel(std::string name, Bounds bounds, std::string caption, HFONT font);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

  protected:
    const char* className() const override { return "ZarnikTransparentLabel"; }
    std::string windowText() const override { return caption_; }
    void paint(HDC dc, const RECT& client) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    SIZE captionExtent() const;

    std::string caption_;
    HFONT font_;
};
