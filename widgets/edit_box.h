#pragma once
// A single-line system edit box that only shows its text: the user can
// select and copy it but not change it.
#include "widgets/component.h"
#include "widgets/control.h"
#include "widgets/handles.h"

#include <string>

class EditBox : public Component {
  public:
    // `font` is borrowed and must outlive the box.
    EditBox(std::string name, Control::Bounds bounds, HFONT font);

    void createHandle(HWND parent);
    HWND hwnd() const { return window_.get(); }

    std::string text() const;
    void setText(const std::string& text);

  private:
    Control::Bounds bounds_;
    HFONT font_;
    std::string text_;
    UniqueWindow window_;
};
