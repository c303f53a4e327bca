#include "widgets/edit_box.h"

#include "system/errors.h"

namespace {

constexpr DWORD boxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;

} // namespace

EditBox::EditBox(std::string name, Control::Bounds bounds, HFONT font)
    : Component(std::move(name)), bounds_(bounds), font_(font) {}

void EditBox::createHandle(HWND parent) {
    window_.reset(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text_.c_str(), boxStyle, bounds_.left,
                                  bounds_.top, bounds_.width, bounds_.height, parent, nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
    if (!window_)
        throw Exception("cannot create the edit box");
    SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

std::string EditBox::text() const {
    if (!hwnd())
        return text_;
    // Room for two bytes a character: a control may count its length in
    // characters, and a Chinese character is two bytes of ANSI text.
    std::string text(2 * static_cast<size_t>(GetWindowTextLengthA(hwnd())) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(hwnd(), &text[0], static_cast<int>(text.size()))));
    return text;
}

void EditBox::setText(const std::string& text) {
    text_ = text;
    if (hwnd())
        SetWindowTextA(hwnd(), text_.c_str());
}
