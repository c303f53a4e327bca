#include "widgets/progress_bar.h"

#include <algorithm>

namespace {

constexpr COLORREF borderColour = RGB(128, 128, 128);
constexpr COLORREF backgroundColour = RGB(255, 255, 255);
constexpr int cornerDiameter = 6;
// The blocks keep this far from the border, which keeps them clear of the
// rounded corners.
constexpr int blockInset = 2;
constexpr int blockWidth = 7;
constexpr int blockGap = 2;

TRIVERTEX vertex(int x, int y, COLORREF colour) {
    TRIVERTEX point{};
    point.x = x;
    point.y = y;
    point.Red = static_cast<COLOR16>(GetRValue(colour) << 8);
    point.Green = static_cast<COLOR16>(GetGValue(colour) << 8);
    point.Blue = static_cast<COLOR16>(GetBValue(colour) << 8);
    return point;
}

// A block shaded from top to bottom, from `from` to `to`.
void shadeBlock(HDC dc, const RECT& block, const LevelColours& colours) {
    TRIVERTEX corners[2] = {vertex(block.left, block.top, colours.from),
                            vertex(block.right, block.bottom, colours.to)};
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

} // namespace

LevelColours progressLevelColours(int percent) {
    if (percent < 70)
        return {RGB(0, 255, 0), RGB(225, 255, 225)};
    if (percent < 90)
        return {RGB(255, 255, 0), RGB(255, 255, 202)};
    if (percent < 100)
        return {RGB(255, 169, 83), RGB(255, 211, 168)};
    return {RGB(255, 0, 0), RGB(255, 202, 202)};
}

ProgressBar::ProgressBar(std::string name, Bounds bounds)
    : Control(std::move(name), bounds),
      font_(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                        "Verdana")) {}

void ProgressBar::setPosition(int position) {
    position_ = std::clamp(position, minimum, maximum);
    repaintNow();
}

int ProgressBar::percent() const {
    return (position_ - minimum) * 100 / (maximum - minimum);
}

// Paints through a window DC, double-buffered like WM_PAINT, and leaves
// nothing for a later WM_PAINT to redo.
void ProgressBar::repaintNow() {
    if (!hwnd() || !IsWindowVisible(hwnd()))
        return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    WindowDc window(hwnd());
    UniqueMemoryDc memory(CreateCompatibleDC(window.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(window.get(), std::max<LONG>(client.right, 1),
                                               std::max<LONG>(client.bottom, 1)));
    SelectedObject selection(memory.get(), bitmap.get());
    paint(memory.get(), client);
    BitBlt(window.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    ValidateRect(hwnd(), nullptr);
}

void ProgressBar::paint(HDC dc, const RECT& client) {
    paintParentBackground(dc);
    {
        UniqueBrush background(CreateSolidBrush(backgroundColour));
        UniquePen border(CreatePen(PS_SOLID, 1, borderColour));
        SelectedObject backgroundSelection(dc, background.get());
        SelectedObject borderSelection(dc, border.get());
        RoundRect(dc, client.left, client.top, client.right, client.bottom, cornerDiameter,
                  cornerDiameter);
    }
    RECT inside{client.left + blockInset, client.top + blockInset, client.right - blockInset,
                client.bottom - blockInset};
    paintBlocks(dc, inside);
    paintText(dc, client);
}

void ProgressBar::paintBlocks(HDC dc, const RECT& inside) const {
    if (inside.right <= inside.left || inside.bottom <= inside.top)
        return;
    int filledRight = inside.left + (inside.right - inside.left) * percent() / 100;
    LevelColours colours = progressLevelColours(percent());
    for (int left = inside.left; left < filledRight; left += blockWidth + blockGap) {
        RECT block{left, inside.top, std::min(left + blockWidth, filledRight), inside.bottom};
        shadeBlock(dc, block, colours);
    }
}

void ProgressBar::paintText(HDC dc, const RECT& client) const {
    std::string text = std::to_string(percent()) + "%";
    SelectedObject fontSelection(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT area = client;
    DrawTextA(dc, text.c_str(), -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}
