#include "widgets/grid_layout.h"

#include <algorithm>

namespace grid {

Rect intersection(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.empty() ? Rect{} : r;
}

void RowHeights::setDefault(int height) {
    default_ = height;
    custom_.clear();
}

void RowHeights::set(int row, int height) {
    custom_[row] = height;
}

int RowHeights::of(int row) const {
    auto found = custom_.find(row);
    return found == custom_.end() ? default_ : found->second;
}

int RowHeights::sum(int first, int last) const {
    if (last <= first)
        return 0;
    int total = (last - first) * default_;
    for (auto it = custom_.lower_bound(first); it != custom_.end() && it->first < last; ++it)
        total += it->second - default_;
    return total;
}

void RowHeights::truncate(int count) {
    custom_.erase(custom_.lower_bound(count), custom_.end());
}

int contentWidth(const Geometry& g) {
    int total = 0;
    for (int width : *g.colWidths)
        total += width;
    return total;
}

int contentHeight(const Geometry& g) {
    return g.heights->sum(0, g.rowCount);
}

int fixedHeight(const Geometry& g) {
    return g.heights->sum(0, g.fixedRows);
}

namespace {

int colAt(const Geometry& g, int x) {
    int left = -g.scrollX;
    for (int col = 0; col < static_cast<int>(g.colWidths->size()); ++col) {
        int right = left + (*g.colWidths)[col];
        if (x >= left && x < right)
            return col;
        left = right;
    }
    return -1;
}

// Walks rows first, first + 1, ... from top down to the row containing y.
int rowFrom(const Geometry& g, int first, int last, int top, int y) {
    for (int row = first; row < last; ++row) {
        int bottom = top + g.heights->of(row);
        if (y < bottom)
            return row;
        top = bottom;
    }
    return -1;
}

int colLeft(const Geometry& g, int col) {
    int left = -g.scrollX;
    for (int c = 0; c < col; ++c)
        left += (*g.colWidths)[c];
    return left;
}

} // namespace

CellPos cellAt(const Geometry& g, int x, int y) {
    if (x < 0 || y < 0 || x >= g.clientWidth || y >= g.clientHeight)
        return {};
    int col = colAt(g, x);
    if (col < 0)
        return {};
    int fixed = fixedHeight(g);
    int row =
        y < fixed ? rowFrom(g, 0, g.fixedRows, 0, y) : rowFrom(g, g.topRow, g.rowCount, fixed, y);
    if (row < 0)
        return {};
    return {col, row};
}

RowRange visibleRows(const Geometry& g) {
    int y = fixedHeight(g);
    int row = g.topRow;
    while (row < g.rowCount && y < g.clientHeight)
        y += g.heights->of(row++);
    return {g.topRow, std::max(row, g.topRow)};
}

Rect rowRect(const Geometry& g, int row) {
    if (row < 0 || row >= g.rowCount || (row >= g.fixedRows && row < g.topRow))
        return {};
    int top =
        row < g.fixedRows ? g.heights->sum(0, row) : fixedHeight(g) + g.heights->sum(g.topRow, row);
    return {-g.scrollX, top, contentWidth(g) - g.scrollX, top + g.heights->of(row)};
}

Rect cellRect(const Geometry& g, int col, int row) {
    Rect r = rowRect(g, row);
    if (r.empty() || col < 0 || col >= static_cast<int>(g.colWidths->size()))
        return {};
    r.left = colLeft(g, col);
    r.right = r.left + (*g.colWidths)[col];
    return r;
}

int maxTopRow(const Geometry& g) {
    int available = g.clientHeight - fixedHeight(g);
    int top = g.rowCount;
    int used = 0;
    while (top > g.fixedRows && used + g.heights->of(top - 1) <= available)
        used += g.heights->of(--top);
    if (top == g.rowCount)
        --top;
    return std::max(top, g.fixedRows);
}

int rowsPerPage(const Geometry& g) {
    int available = g.clientHeight - fixedHeight(g);
    int count = 0;
    int used = 0;
    for (int row = g.topRow; row < g.rowCount; ++row) {
        used += g.heights->of(row);
        if (used > available)
            break;
        ++count;
    }
    return std::max(count, 1);
}

int topRowShowing(const Geometry& g, int row) {
    if (row < g.topRow)
        return row;
    int available = g.clientHeight - fixedHeight(g);
    int top = row;
    int used = g.heights->of(row);
    while (top > g.topRow && used + g.heights->of(top - 1) <= available)
        used += g.heights->of(--top);
    return top;
}

ScrollBars scrollBarsNeeded(int contentWidth, int contentHeight, int outerWidth, int outerHeight,
                            int verticalBarWidth, int horizontalBarHeight) {
    ScrollBars bars;
    bars.vertical = contentHeight > outerHeight;
    bars.horizontal = contentWidth > outerWidth - (bars.vertical ? verticalBarWidth : 0);
    if (bars.horizontal && !bars.vertical)
        bars.vertical = contentHeight > outerHeight - horizontalBarHeight;
    return bars;
}

Rect checkBoxRect(const Rect& cell, int size, int margin) {
    int top = cell.top + (cell.height() - size) / 2;
    return {cell.left + margin, top, cell.left + margin + size, top + size};
}

namespace {

// Only the three plain alignments move a picture; the ones relative to a
// text or the full cell fall back to the cell's start, since cells that
// show a picture show no text and pictures are never stretched.
int alignedStart(int start, int room, int size, bool toEnd, bool centred) {
    if (centred)
        return start + (room - size) / 2;
    return toEnd ? start + room - size : start;
}

} // namespace

Placement placePicture(const Rect& cell, int width, int height, package::CellHAlign hAlign,
                       package::CellVAlign vAlign) {
    using package::CellHAlign;
    using package::CellVAlign;
    int left = alignedStart(cell.left, cell.width(), width,
                            hAlign == CellHAlign::Right || hAlign == CellHAlign::AfterText,
                            hAlign == CellHAlign::Center);
    int top = alignedStart(cell.top, cell.height(), height,
                           vAlign == CellVAlign::Bottom || vAlign == CellVAlign::UnderText,
                           vAlign == CellVAlign::Center);
    Placement placement;
    placement.target = intersection({left, top, left + width, top + height}, cell);
    placement.sourceX = placement.target.left - left;
    placement.sourceY = placement.target.top - top;
    return placement;
}

} // namespace grid
