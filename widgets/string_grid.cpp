#include "widgets/string_grid.h"

#include "system/errors.h"
#include "widgets/event_guard.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kCellMargin = 2;
constexpr int kHorizontalLine = 16;
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kHeaderText = RGB(76, 96, 122);
constexpr COLORREF kHeaderTop = RGB(255, 255, 255);
constexpr COLORREF kHeaderBottom = RGB(241, 242, 245);
constexpr COLORREF kSelectionTop = RGB(220, 235, 252);
constexpr COLORREF kSelectionBottom = RGB(193, 219, 252);
constexpr COLORREF kSelectionBorder = RGB(125, 162, 206);
constexpr COLORREF kInactiveTop = RGB(248, 248, 248);
constexpr COLORREF kInactiveBottom = RGB(229, 229, 229);
constexpr COLORREF kInactiveBorder = RGB(217, 217, 217);
constexpr COLORREF kFrame = RGB(130, 135, 144);
constexpr COLORREF kCheckMark = RGB(33, 56, 104);

RECT toRect(const grid::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

grid::Rect innerOf(const grid::Rect& cell) {
    return {cell.left, cell.top, cell.right - 1, cell.bottom - 1};
}

void fillRect(HDC dc, const grid::Rect& r, HBRUSH brush) {
    RECT rect = toRect(r);
    FillRect(dc, &rect, brush);
}

// The grid lines of a cell: its last pixel column and its last pixel row.
void paintCellLines(HDC dc, const grid::Rect& cell, HBRUSH brush) {
    fillRect(dc, {cell.right - 1, cell.top, cell.right, cell.bottom}, brush);
    fillRect(dc, {cell.left, cell.bottom - 1, cell.right, cell.bottom}, brush);
}

void verticalGradient(HDC dc, const grid::Rect& r, COLORREF top, COLORREF bottom) {
    auto channel = [](BYTE value) { return static_cast<COLOR16>(value << 8); };
    TRIVERTEX vertices[2] = {{r.left, r.top, channel(GetRValue(top)), channel(GetGValue(top)),
                              channel(GetBValue(top)), 0},
                             {r.right, r.bottom, channel(GetRValue(bottom)),
                              channel(GetGValue(bottom)), channel(GetBValue(bottom)), 0}};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

UniqueFont createFont(const StringGrid::FontSpec& font) {
    return UniqueFont(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  FALSE, FALSE, font.charset, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  font.face.c_str()));
}

UniqueBrush solidBrush(COLORREF color) {
    return UniqueBrush(CreateSolidBrush(color));
}

// Cell texts are ANSI; drawing them as UTF-16 keeps Chinese titles intact
// whatever character set the cell font was asked for.
std::wstring toShown(const std::string& text) {
    if (text.empty())
        return {};
    int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring shown(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &shown[0], length);
    return shown;
}

// The frame of the grid is drawn in the non-client area, which only a
// window DC reaches.
class NonClientDc {
  public:
    explicit NonClientDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~NonClientDc() { ReleaseDC(window_, dc_); }
    NonClientDc(const NonClientDc&) = delete;
    NonClientDc& operator=(const NonClientDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

} // namespace

// One scratch DIB shared by every preview: the visible part of a picture is
// copied in with its transparent colour cleared to alpha 0 and blended onto
// the row. It only grows, so painting allocates nothing once the largest
// preview has been shown.
class PictureCanvas {
  public:
    void draw(HDC dc, const imaging::Picture& picture, const grid::Placement& placement,
              bool transparent) {
        int width = placement.target.width();
        int height = placement.target.height();
        reserve(width, height);
        GdiFlush();
        copyPixels(picture, placement, transparent);
        SelectedObject selection(dc_.get(), bitmap_.get());
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, placement.target.left, placement.target.top, width, height, dc_.get(), 0, 0,
                   width, height, blend);
    }

  private:
    void reserve(int width, int height) {
        if (width <= width_ && height <= height_)
            return;
        int newWidth = std::max(width, width_);
        int newHeight = std::max(height, height_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = newWidth;
        info.bmiHeader.biHeight = -newHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        UniqueBitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap)
            throw std::runtime_error("cannot create the picture buffer of the grid");
        bitmap_ = std::move(bitmap);
        bits_ = static_cast<std::uint32_t*>(bits);
        width_ = newWidth;
        height_ = newHeight;
    }

    // Pictures are drawn opaque apart from the transparent colour, which is
    // the colour of the bottom-left pixel; its alpha does not count.
    void copyPixels(const imaging::Picture& picture, const grid::Placement& placement,
                    bool transparent) {
        const std::uint32_t rgb = 0x00FFFFFF;
        std::uint32_t key = picture.pixels[(picture.height - 1) * picture.width] & rgb;
        for (int y = 0; y < placement.target.height(); ++y) {
            const std::uint32_t* source =
                &picture.pixels[(placement.sourceY + y) * picture.width + placement.sourceX];
            std::uint32_t* target = bits_ + y * width_;
            for (int x = 0; x < placement.target.width(); ++x) {
                std::uint32_t color = source[x] & rgb;
                target[x] = transparent && color == key ? 0 : color | 0xFF000000;
            }
        }
    }

    UniqueMemoryDc dc_{CreateCompatibleDC(nullptr)};
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

StringGrid::StringGrid(std::string name, Bounds bounds)
    : Control(std::move(name), bounds), cells_(static_cast<size_t>(rowCount_) * ColCount()),
      cellFont_(createFont({"Tahoma", -11, false, DEFAULT_CHARSET})),
      headerFont_(createFont({"Tahoma", -11, true, DEFAULT_CHARSET})),
      gridLineBrush_(solidBrush(gridLineColor_)), fixedLineBrush_(solidBrush(fixedLineColor_)),
      backgroundBrush_(solidBrush(kBackground)),
      selectionBorderBrush_(solidBrush(kSelectionBorder)),
      inactiveSelectionBorderBrush_(solidBrush(kInactiveBorder)), frameBrush_(solidBrush(kFrame)),
      checkPen_(CreatePen(PS_SOLID, 2, kCheckMark)) {}

StringGrid::~StringGrid() {
    destroyWindow();
}

void StringGrid::setColWidths(std::vector<int> widths) {
    if (widths.empty())
        widths.push_back(64);
    int oldCols = ColCount();
    int newCols = static_cast<int>(widths.size());
    if (newCols != oldCols) {
        std::vector<Cell> cells(static_cast<size_t>(rowCount_) * newCols);
        for (int row = 0; row < rowCount_; ++row)
            for (int col = 0; col < std::min(oldCols, newCols); ++col)
                cells[row * newCols + col] = std::move(cells_[row * oldCols + col]);
        cells_ = std::move(cells);
    }
    colWidths_ = std::move(widths);
    layoutChanged();
}

int StringGrid::ColWidth(int col) const {
    return col >= 0 && col < ColCount() ? colWidths_[col] : 0;
}

void StringGrid::setFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, rowCount_ - 1);
    layoutChanged();
}

void StringGrid::setRowHeight(int row, int height) {
    if (row < 0 || row >= rowCount_)
        return;
    heights_.set(row, std::max(height, 0));
    layoutChanged();
}

void StringGrid::setCellFont(const FontSpec& font) {
    cellFont_ = createFont(font);
    invalidate();
}

void StringGrid::setHeaderFont(const FontSpec& font) {
    headerFont_ = createFont(font);
    invalidate();
}

void StringGrid::setGridLineColor(COLORREF color) {
    gridLineColor_ = color;
    gridLineBrush_ = solidBrush(color);
    invalidate();
}

void StringGrid::setFixedLineColor(COLORREF color) {
    fixedLineColor_ = color;
    fixedLineBrush_ = solidBrush(color);
    invalidate();
}

void StringGrid::setRowCount(int count) {
    count = std::max(count, 1);
    if (count <= fixedRows_)
        fixedRows_ = count - 1;
    cells_.resize(static_cast<size_t>(count) * ColCount());
    rowCount_ = count;
    heights_.truncate(count);
    layoutChanged();
}

void StringGrid::setDefaultRowHeight(int height) {
    heights_.setDefault(std::max(height, 0));
    layoutChanged();
}

bool StringGrid::validCell(int col, int row) const {
    return col >= 0 && col < ColCount() && row >= 0 && row < rowCount_;
}

StringGrid::Cell& StringGrid::cellForWrite(int col, int row) {
    if (!validCell(col, row))
        throw EInvalidGridOperation("Invalid cell");
    return cells_[row * ColCount() + col];
}

void StringGrid::AddCheckBox(int col, int row, bool state, bool /*data*/) {
    cellForWrite(col, row).check = state ? Check::Checked : Check::Unchecked;
    invalidateCell(col, row);
}

const std::string& StringGrid::Cells(int col, int row) const {
    static const std::string none;
    return validCell(col, row) ? cell(col, row).text : none;
}

void StringGrid::setCell(int col, int row, const std::string& text) {
    Cell& target = cellForWrite(col, row);
    target.text = text;
    target.shown = toShown(text);
    invalidateCell(col, row);
}

void StringGrid::AddBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                           package::CellHAlign hAlign, package::CellVAlign vAlign) {
    Cell& target = cellForWrite(col, row);
    target.picture = picture;
    target.transparent = transparent;
    target.hAlign = hAlign;
    target.vAlign = vAlign;
    invalidateCell(col, row);
}

bool StringGrid::GetCheckBoxState(int col, int row, bool& state) const {
    if (!validCell(col, row) || cell(col, row).check == Check::None)
        return false;
    state = cell(col, row).check == Check::Checked;
    return true;
}

StringGrid::Selection StringGrid::selection() const {
    return {std::min(anchorRow_, currentRow_), std::max(anchorRow_, currentRow_)};
}

grid::Geometry StringGrid::geometry() const {
    grid::Geometry g;
    g.colWidths = &colWidths_;
    g.heights = &heights_;
    g.rowCount = rowCount_;
    g.fixedRows = fixedRows_;
    g.topRow = topRow_;
    g.scrollX = scrollX_;
    RECT client{0, 0, bounds().width - 2, bounds().height - 2};
    if (hwnd())
        GetClientRect(hwnd(), &client);
    g.clientWidth = client.right;
    g.clientHeight = client.bottom;
    return g;
}

// Input ----------------------------------------------------------------------

void StringGrid::mouseDown(int x, int y, bool extend) {
    SetFocus(hwnd());
    grid::CellPos hit = grid::cellAt(geometry(), x, y);
    if (!hit.valid() || hit.row < fixedRows_)
        return;
    select(hit.row, extend);
    bool state = false;
    if (hit.col == 0 && GetCheckBoxState(0, hit.row, state)) {
        flip(0, hit.row);
        return;
    }
    // Taking the capture again reports a capture change to this window
    // itself, which ends any drag, so the new drag starts after it.
    SetCapture(hwnd());
    dragging_ = true;
}

// Dragging extends the selection to the row under the pointer.
void StringGrid::mouseMove(int y) {
    if (!dragging_)
        return;
    grid::CellPos hit = grid::cellAt(geometry(), 0, y);
    if (hit.valid() && hit.row >= fixedRows_ && hit.row != currentRow_)
        select(hit.row, true);
}

void StringGrid::endDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    ReleaseCapture();
}

void StringGrid::keyDown(WPARAM key, bool extend) {
    int page = grid::rowsPerPage(geometry());
    bool state = false;
    switch (key) {
    case VK_UP:
        return moveCurrentRow(-1, extend);
    case VK_DOWN:
        return moveCurrentRow(1, extend);
    case VK_PRIOR:
        return moveCurrentRow(-page, extend);
    case VK_NEXT:
        return moveCurrentRow(page, extend);
    case VK_HOME:
        return moveCurrentRow(fixedRows_ - currentRow_, extend);
    case VK_END:
        return moveCurrentRow(rowCount_ - 1 - currentRow_, extend);
    case VK_SPACE:
        if (GetCheckBoxState(0, currentRow_, state))
            flip(0, currentRow_);
        return;
    }
}

// The box changes first, so the handler sees the state after the flip.
void StringGrid::flip(int col, int row) {
    Cell& target = cellForWrite(col, row);
    target.check = target.check == Check::Checked ? Check::Unchecked : Check::Checked;
    bool state = target.check == Check::Checked;
    invalidateCell(col, row);
    guardEvent(this, [&] {
        if (OnCheckBoxClick)
            OnCheckBoxClick(*this, col, row, state);
    });
}

void StringGrid::select(int row, bool extend) {
    Selection before = selection();
    if (!extend)
        anchorRow_ = row;
    currentRow_ = row;
    Selection after = selection();
    invalidateRows(before.first, before.last);
    invalidateRows(after.first, after.last);
}

void StringGrid::moveCurrentRow(int delta, bool extend) {
    int row = std::clamp(currentRow_ + delta, fixedRows_, rowCount_ - 1);
    select(row, extend);
    scrollRowIntoView(row);
}

// Scrolling -------------------------------------------------------------------

// After any change of rows, heights, columns or fixed rows: every row index
// the grid keeps must still name a scrollable row.
void StringGrid::layoutChanged() {
    currentRow_ = std::clamp(currentRow_, fixedRows_, rowCount_ - 1);
    anchorRow_ = std::clamp(anchorRow_, fixedRows_, rowCount_ - 1);
    topRow_ = std::clamp(topRow_, fixedRows_, rowCount_ - 1);
    updateScrollBars();
    invalidate();
}

void StringGrid::updateScrollBars() {
    if (!hwnd() || updatingScrollBars_)
        return;
    updatingScrollBars_ = true;
    // Showing or hiding a bar resizes the client and comes back here
    // through WM_SIZE; the flag keeps that from nesting.
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    LONG windowStyle = GetWindowLongA(hwnd(), GWL_STYLE);
    grid::Geometry g = geometry();
    int outerWidth = g.clientWidth + (windowStyle & WS_VSCROLL ? barWidth : 0);
    int outerHeight = g.clientHeight + (windowStyle & WS_HSCROLL ? barHeight : 0);
    grid::ScrollBars bars = grid::scrollBarsNeeded(grid::contentWidth(g), grid::contentHeight(g),
                                                   outerWidth, outerHeight, barWidth, barHeight);
    ShowScrollBar(hwnd(), SB_VERT, bars.vertical);
    ShowScrollBar(hwnd(), SB_HORZ, bars.horizontal);

    g = geometry();
    int lastTop = grid::maxTopRow(g);
    topRow_ = std::clamp(topRow_, fixedRows_, lastTop);
    int widthBeyond = std::max(grid::contentWidth(g) - g.clientWidth, 0);
    scrollX_ = std::clamp(scrollX_, 0, widthBeyond);

    grid::Geometry atEnd = g;
    atEnd.topRow = lastTop;
    int page = grid::rowsPerPage(atEnd);
    SCROLLINFO vertical{sizeof vertical, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
    if (bars.vertical)
        vertical = {sizeof vertical,
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    lastTop - fixedRows_ + page - 1,
                    static_cast<UINT>(page),
                    topRow_ - fixedRows_,
                    0};
    SetScrollInfo(hwnd(), SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal{sizeof horizontal, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 1, 0, 0};
    if (bars.horizontal)
        horizontal = {sizeof horizontal,
                      SIF_RANGE | SIF_PAGE | SIF_POS,
                      0,
                      grid::contentWidth(g) - 1,
                      static_cast<UINT>(g.clientWidth),
                      scrollX_,
                      0};
    SetScrollInfo(hwnd(), SB_HORZ, &horizontal, TRUE);
    updatingScrollBars_ = false;
}

void StringGrid::setTopRow(int row) {
    row = std::clamp(row, fixedRows_, grid::maxTopRow(geometry()));
    if (row == topRow_)
        return;
    topRow_ = row;
    if (hwnd())
        SetScrollPos(hwnd(), SB_VERT, topRow_ - fixedRows_, TRUE);
    invalidate();
}

void StringGrid::setScrollX(int x) {
    grid::Geometry g = geometry();
    x = std::clamp(x, 0, std::max(grid::contentWidth(g) - g.clientWidth, 0));
    if (x == scrollX_)
        return;
    scrollX_ = x;
    if (hwnd())
        SetScrollPos(hwnd(), SB_HORZ, scrollX_, TRUE);
    invalidate();
}

void StringGrid::scrollRowIntoView(int row) {
    setTopRow(grid::topRowShowing(geometry(), row));
}

int StringGrid::trackPosition(int bar) const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd(), bar, &info);
    return info.nTrackPos;
}

void StringGrid::verticalScroll(int code) {
    int page = grid::rowsPerPage(geometry());
    switch (code) {
    case SB_LINEUP:
        return setTopRow(topRow_ - 1);
    case SB_LINEDOWN:
        return setTopRow(topRow_ + 1);
    case SB_PAGEUP:
        return setTopRow(topRow_ - page);
    case SB_PAGEDOWN:
        return setTopRow(topRow_ + page);
    case SB_TOP:
        return setTopRow(fixedRows_);
    case SB_BOTTOM:
        return setTopRow(rowCount_);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return setTopRow(fixedRows_ + trackPosition(SB_VERT));
    }
}

void StringGrid::horizontalScroll(int code) {
    int page = geometry().clientWidth;
    switch (code) {
    case SB_LINELEFT:
        return setScrollX(scrollX_ - kHorizontalLine);
    case SB_LINERIGHT:
        return setScrollX(scrollX_ + kHorizontalLine);
    case SB_PAGELEFT:
        return setScrollX(scrollX_ - page);
    case SB_PAGERIGHT:
        return setScrollX(scrollX_ + page);
    case SB_LEFT:
        return setScrollX(0);
    case SB_RIGHT:
        return setScrollX(grid::contentWidth(geometry()));
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return setScrollX(trackPosition(SB_HORZ));
    }
}

// Wheel deltas come in steps smaller than a notch on precise devices, so
// the remainder is kept for the next message.
void StringGrid::wheel(int delta) {
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ %= WHEEL_DELTA;
    if (notches == 0)
        return;
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int step = lines == WHEEL_PAGESCROLL ? grid::rowsPerPage(geometry()) : static_cast<int>(lines);
    setTopRow(topRow_ - notches * step);
}

// Painting ----------------------------------------------------------------------

// A hidden grid (its page not shown, or filling at start-up) is painted
// whole when it appears, so it skips the thousands of small invalidations
// filling it would otherwise cost.
bool StringGrid::onScreen() const {
    return hwnd() && IsWindowVisible(hwnd());
}

void StringGrid::invalidateRows(int first, int last) {
    if (!onScreen())
        return;
    grid::Geometry g = geometry();
    grid::RowRange shown = grid::visibleRows(g);
    first = std::max(first, shown.first);
    last = std::min(last, shown.last - 1);
    if (first > last)
        return;
    RECT rows{0, grid::rowRect(g, first).top, g.clientWidth, grid::rowRect(g, last).bottom};
    InvalidateRect(hwnd(), &rows, FALSE);
}

void StringGrid::invalidateCell(int col, int row) {
    if (!onScreen())
        return;
    grid::Geometry g = geometry();
    grid::RowRange shown = grid::visibleRows(g);
    if (row >= fixedRows_ && (row < shown.first || row >= shown.last))
        return;
    grid::Rect cell = grid::cellRect(g, col, row);
    if (cell.empty())
        return;
    RECT rect = toRect(cell);
    InvalidateRect(hwnd(), &rect, FALSE);
}

void StringGrid::invalidateSelection() {
    Selection selected = selection();
    invalidateRows(selected.first, selected.last);
}

// Only the rows that meet the update region are painted: a flip repaints one
// cell, and a grid of thousands of rows costs no more than its visible rows.
void StringGrid::paint(HDC dc, const RECT& client) {
    grid::Rect whole{client.left, client.top, client.right, client.bottom};
    grid::Rect limit = paintLimit_ ? grid::intersection(*paintLimit_, whole) : whole;
    paintLimit_.reset();
    fillRect(dc, limit, backgroundBrush_.get());
    SetBkMode(dc, TRANSPARENT);
    grid::Geometry g = geometry();
    {
        SelectedObject font(dc, headerFont_.get());
        SetTextColor(dc, kHeaderText);
        for (int row = 0; row < fixedRows_; ++row)
            paintFixedRow(dc, g, row, limit);
    }
    SelectedObject font(dc, cellFont_.get());
    SetTextColor(dc, kText);
    grid::RowRange shown = grid::visibleRows(g);
    for (int row = shown.first; row < shown.last; ++row)
        paintRow(dc, g, row, limit);
}

void StringGrid::paintFixedRow(HDC dc, const grid::Geometry& g, int row, const grid::Rect& limit) {
    for (int col = 0; col < ColCount(); ++col) {
        grid::Rect cellArea = grid::cellRect(g, col, row);
        if (grid::intersection(cellArea, limit).empty())
            continue;
        grid::Rect inner = innerOf(cellArea);
        verticalGradient(dc, inner, kHeaderTop, kHeaderBottom);
        paintCellLines(dc, cellArea, fixedLineBrush_.get());
        paintCellContent(dc, cell(col, row), inner);
    }
}

void StringGrid::paintRow(HDC dc, const grid::Geometry& g, int row, const grid::Rect& limit) {
    grid::Rect rowArea = grid::rowRect(g, row);
    if (grid::intersection(rowArea, limit).empty())
        return;
    for (int col = 0; col < ColCount(); ++col)
        paintCellLines(dc, grid::cellRect(g, col, row), gridLineBrush_.get());
    Selection selected = selection();
    if (row >= selected.first && row <= selected.last)
        paintSelection(dc, innerOf(rowArea));
    for (int col = 0; col < ColCount(); ++col) {
        grid::Rect cellArea = grid::cellRect(g, col, row);
        if (!grid::intersection(cellArea, limit).empty())
            paintCellContent(dc, cell(col, row), innerOf(cellArea));
    }
}

// The selection spans the whole row, over the column lines, and turns grey
// while the grid does not have the focus.
void StringGrid::paintSelection(HDC dc, const grid::Rect& row) const {
    bool focused = GetFocus() == hwnd();
    verticalGradient(dc, row, focused ? kSelectionTop : kInactiveTop,
                     focused ? kSelectionBottom : kInactiveBottom);
    RECT frame = toRect(row);
    FrameRect(dc, &frame,
              focused ? selectionBorderBrush_.get() : inactiveSelectionBorderBrush_.get());
}

void StringGrid::paintCellContent(HDC dc, const Cell& content, const grid::Rect& inner) {
    int textLeft = inner.left + kCellMargin;
    if (content.check != Check::None) {
        paintCheckBox(dc, inner, content.check == Check::Checked);
        textLeft += kCheckBoxSize + kCellMargin;
    }
    const imaging::Picture* picture = content.picture;
    if (picture && !picture->empty() &&
        picture->pixels.size() >= static_cast<size_t>(picture->width) * picture->height) {
        grid::Placement placement = grid::placePicture(inner, picture->width, picture->height,
                                                       content.hAlign, content.vAlign);
        if (!placement.target.empty()) {
            if (!canvas_)
                canvas_ = std::make_unique<PictureCanvas>();
            canvas_->draw(dc, *picture, placement, content.transparent);
        }
    }
    if (!content.shown.empty()) {
        RECT text{textLeft, inner.top, inner.right, inner.bottom};
        DrawTextW(dc, content.shown.c_str(), static_cast<int>(content.shown.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
}

void StringGrid::paintCheckBox(HDC dc, const grid::Rect& inner, bool checked) const {
    grid::Rect box = grid::checkBoxRect(inner, kCheckBoxSize, kCellMargin);
    fillRect(dc, box, frameBrush_.get());
    fillRect(dc, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1},
             backgroundBrush_.get());
    if (!checked)
        return;
    SelectedObject pen(dc, checkPen_.get());
    POINT mark[3] = {
        {box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
    Polyline(dc, mark, 3);
}

void StringGrid::paintBorder() {
    NonClientDc dc(hwnd());
    RECT window{};
    GetWindowRect(hwnd(), &window);
    RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
    FrameRect(dc.get(), &frame, frameBrush_.get());
}

// Messages ------------------------------------------------------------------------

namespace {

int pointX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int pointY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

std::optional<grid::Rect> updateRegionBounds(HWND window) {
    RECT update{};
    if (!GetUpdateRect(window, &update, FALSE))
        return std::nullopt;
    return grid::Rect{update.left, update.top, update.right, update.bottom};
}

} // namespace

LRESULT StringGrid::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        updateScrollBars();
        return 0;
    case WM_PAINT:
        paintLimit_ = updateRegionBounds(hwnd());
        break;
    case WM_NCPAINT: {
        LRESULT result = Control::handleMessage(message, wParam, lParam);
        paintBorder();
        return result;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        mouseDown(pointX(lParam), pointY(lParam), (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        mouseMove(pointY(lParam));
        return 0;
    case WM_LBUTTONUP:
        endDrag();
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return 0;
    case WM_KEYDOWN:
        keyDown(wParam, GetKeyState(VK_SHIFT) < 0);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        invalidateSelection();
        return 0;
    case WM_VSCROLL:
        verticalScroll(LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        horizontalScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        wheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SIZE:
        updateScrollBars();
        return 0;
    }
    return Control::handleMessage(message, wParam, lParam);
}
