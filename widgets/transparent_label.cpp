#include "widgets/transparent_label.h"

#include "widgets/handles.h"

TransparentLabel::TransparentLabel(std::string name, Bounds bounds, std::string caption, HFONT font)
    : Control(std::move(name), bounds), caption_(std::move(caption)), font_(font) {}

void TransparentLabel::setCaption(const std::string& caption) {
    caption_ = caption;
    Bounds sized = bounds();
    sized.width = captionExtent().cx;
    // Resizing repaints what the label uncovers; the label itself repaints
    // even when its size stays.
    setBounds(sized);
    if (!hwnd())
        return;
    SetWindowTextA(hwnd(), caption_.c_str());
    invalidate();
}

SIZE TransparentLabel::captionExtent() const {
    WindowDc screen(nullptr);
    SelectedObject fontSelection(screen.get(), font_);
    SIZE extent{};
    GetTextExtentPoint32A(screen.get(), caption_.data(), static_cast<int>(caption_.size()),
                          &extent);
    return extent;
}

void TransparentLabel::paint(HDC dc, const RECT& client) {
    paintParentBackground(dc);
    SelectedObject fontSelection(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT text = client;
    DrawTextA(dc, caption_.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
}

LRESULT TransparentLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return Control::handleMessage(message, wParam, lParam);
}
