#pragma once
// The agreement viewer: the system's rich edit control ("RICHEDIT" of
// RICHED32.DLL), read-only, wrapping, with a vertical scroll bar only. The
// DLL is loaded by its full path in the system folder, never found by the
// search order: a file of that name beside the exe or in the current
// directory must not be loaded in its place.
#include "widgets/component.h"
#include "widgets/control.h"
#include "widgets/handles.h"

#include <string>

class RichEdit : public Component {
  public:
    struct Font {
        const char* face;
        // As CreateFont takes it: negative for the height of the characters.
        int height;
        BYTE charset;
    };

    RichEdit(std::string name, Control::Bounds bounds, std::string initialText, Font font);

    // Loads the DLL and creates the control as a child of `parent`.
    void createHandle(HWND parent);
    HWND hwnd() const { return window_.get(); }

    const Control::Bounds& bounds() const { return bounds_; }
    void setBounds(Control::Bounds bounds);

    // Replaces the content with the file `bareName`, opened relative to the
    // current directory, first read as rich text and, when the control
    // rejects that, again from its start as plain text in the ANSI code page.
    // Throws EFOpenError when the file cannot be opened (the content stays),
    // EStreamError when neither reading succeeds.
    void LoadFromFile(const std::string& bareName);

  private:
    Control::Bounds bounds_;
    std::string initialText_;
    Font fontSpec_;
    // Declared in acquisition order: the window goes before the font it
    // shows and the module its window procedure lives in.
    UniqueModule module_;
    UniqueFont font_;
    UniqueWindow window_;
};

// The full path of RICHED32.DLL in the system folder.
std::string systemRichEditPath();
