#include "widgets/radio_button.h"

#include "widgets/event_guard.h"
#include "widgets/handles.h"

#include <vector>

namespace {

// Sent by a button that became chosen to the other buttons of its parent.
constexpr UINT uncheckMessage = WM_USER + 1;

constexpr int markSize = 13;
constexpr int captionGap = 5;

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool hasClass(HWND window, const char* className) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

// The radio buttons of one parent in child order, `self` included.
std::vector<HWND> groupOf(HWND self, const char* className) {
    std::vector<HWND> group;
    for (HWND child = GetWindow(GetParent(self), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        if (hasClass(child, className))
            group.push_back(child);
    return group;
}

void paintMark(HDC dc, RECT mark, bool checked, bool enabled) {
    UniqueBrush face(CreateSolidBrush(enabled ? RGB(255, 255, 255) : RGB(240, 240, 240)));
    UniquePen rim(CreatePen(PS_SOLID, 1, RGB(112, 112, 112)));
    SelectedObject faceSelection(dc, face.get());
    SelectedObject rimSelection(dc, rim.get());
    Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
    if (!checked)
        return;
    UniqueBrush dot(CreateSolidBrush(enabled ? RGB(32, 32, 32) : RGB(160, 160, 160)));
    SelectedObject dotSelection(dc, dot.get());
    SelectedObject noRim(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, mark.left + 4, mark.top + 4, mark.right - 3, mark.bottom - 3);
}

} // namespace

RadioButton::RadioButton(std::string name, Bounds bounds, std::string caption, HFONT font,
                         bool checked)
    : Control(std::move(name), bounds), caption_(std::move(caption)), font_(font),
      checked_(checked) {}

void RadioButton::setChecked(bool checked) {
    if (checked == checked_)
        return;
    applyState(checked);
    if (checked)
        uncheckSiblings();
}

void RadioButton::choose() {
    if (checked_)
        return;
    applyState(true);
    uncheckSiblings();
    raiseClick();
}

void RadioButton::click() {
    choose();
    raiseClick();
}

void RadioButton::raiseClick() {
    if (OnClick)
        guardEvent(this, [this] { OnClick(*this); });
}

void RadioButton::applyState(bool checked) {
    checked_ = checked;
    if (!hwnd())
        return;
    LONG windowStyle = GetWindowLongA(hwnd(), GWL_STYLE);
    windowStyle = checked ? (windowStyle | WS_TABSTOP) : (windowStyle & ~WS_TABSTOP);
    SetWindowLongA(hwnd(), GWL_STYLE, windowStyle);
    invalidate();
}

void RadioButton::uncheckSiblings() {
    if (!hwnd())
        return;
    for (HWND button : groupOf(hwnd(), className()))
        if (button != hwnd())
            SendMessageA(button, uncheckMessage, 0, 0);
}

// The arrow keys move the focus round the group; the focus arriving chooses.
void RadioButton::focusNeighbour(bool forward) {
    std::vector<HWND> group = groupOf(hwnd(), className());
    size_t count = group.size();
    size_t self = 0;
    while (self < count && group[self] != hwnd())
        ++self;
    for (size_t step = 1; step < count; ++step) {
        HWND candidate = group[(forward ? self + step : self + count - step) % count];
        LONG candidateStyle = GetWindowLongA(candidate, GWL_STYLE);
        if ((candidateStyle & WS_VISIBLE) && !(candidateStyle & WS_DISABLED)) {
            SetFocus(candidate);
            return;
        }
    }
}

void RadioButton::mouseDown() {
    pressed_ = true;
    SetCapture(hwnd());
    if (GetFocus() != hwnd())
        SetFocus(hwnd());
}

void RadioButton::mouseUp(POINT point) {
    if (!pressed_)
        return;
    pressed_ = false;
    ReleaseCapture();
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (PtInRect(&client, point))
        click();
}

bool RadioButton::keyDown(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        focusNeighbour(false);
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        focusNeighbour(true);
        return true;
    }
    return false;
}

void RadioButton::keyUp(WPARAM key) {
    if (key == VK_SPACE)
        click();
}

void RadioButton::paint(HDC dc, const RECT& client) {
    paintParentBackground(dc);
    int markTop = (client.bottom - markSize) / 2;
    paintMark(dc, RECT{1, markTop, 1 + markSize, markTop + markSize}, checked_, enabled());

    SelectedObject fontSelection(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT text{1 + markSize + captionGap, 0, client.right, client.bottom};
    constexpr UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    DrawTextA(dc, caption_.c_str(), -1, &text, format);
    if (GetFocus() != hwnd())
        return;
    RECT focus = text;
    DrawTextA(dc, caption_.c_str(), -1, &focus, format | DT_CALCRECT);
    int height = focus.bottom - focus.top;
    focus.top = (client.bottom - height) / 2 - 1;
    focus.bottom = focus.top + height + 2;
    focus.left -= 1;
    focus.right = focus.right + 1 < client.right ? focus.right + 1 : client.right;
    DrawFocusRect(dc, &focus);
}

LRESULT RadioButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        mouseDown();
        return 0;
    case WM_LBUTTONUP:
        mouseUp(pointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_SETFOCUS:
        choose();
        invalidate();
        return 0;
    case WM_KILLFOCUS:
        invalidate();
        return 0;
    case WM_KEYDOWN:
        if (keyDown(wParam))
            return 0;
        break;
    case WM_KEYUP:
        keyUp(wParam);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case uncheckMessage:
        applyState(false);
        return 0;
    }
    return Control::handleMessage(message, wParam, lParam);
}
