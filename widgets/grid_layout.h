#pragma once
// The geometry of the string grid, apart from any window: where each cell
// lies for a scroll position, which cell a point hits, which rows are on
// screen, where a check box or a picture sits inside a cell, and which scroll
// bars the content needs. Every rectangle is half-open (right and bottom
// edges excluded), so a point on the border between two cells belongs to
// exactly one of them.
#include "package/font_grid.h"

#include <map>
#include <vector>

namespace grid {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

Rect intersection(const Rect& a, const Rect& b);

// Row heights: one default, and per-row exceptions kept sparsely, since a
// grid of thousands of rows normally has none.
class RowHeights {
  public:
    explicit RowHeights(int defaultHeight) : default_(defaultHeight) {}

    int defaultHeight() const { return default_; }
    // Setting the default drops every exception.
    void setDefault(int height);
    void set(int row, int height);
    int of(int row) const;
    // The total height of rows first to last - 1.
    int sum(int first, int last) const;
    // Forgets the exceptions of rows at and after count.
    void truncate(int count);

  private:
    int default_;
    std::map<int, int> custom_;
};

// What the layout needs of a grid: the fixed rows stay at the top, the rows
// below them scroll by whole rows (topRow is the first one shown under the
// fixed rows), and the columns scroll by pixels.
struct Geometry {
    const std::vector<int>* colWidths = nullptr;
    const RowHeights* heights = nullptr;
    int rowCount = 0;
    int fixedRows = 0;
    int topRow = 0;
    int scrollX = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

struct CellPos {
    int col = -1, row = -1;

    bool valid() const { return col >= 0 && row >= 0; }
};

int contentWidth(const Geometry& g);
int contentHeight(const Geometry& g);
int fixedHeight(const Geometry& g);

// The cell under a client point; invalid outside every cell.
CellPos cellAt(const Geometry& g, int x, int y);

// The scrollable rows at least partly on screen, as first to last - 1.
struct RowRange {
    int first = 0, last = 0;
};
RowRange visibleRows(const Geometry& g);

// Where a cell lies on screen: fixed rows always, scrollable rows from
// topRow on. Empty for a row scrolled out above; may lie below the client.
Rect cellRect(const Geometry& g, int col, int row);
// The whole width of a row's cells, for whole-row selection.
Rect rowRect(const Geometry& g, int row);

// The first scrollable row that still lets the last row show in full (or the
// first scrollable row when everything fits).
int maxTopRow(const Geometry& g);
// The number of scrollable rows shown in full from topRow on (at least one).
int rowsPerPage(const Geometry& g);
// The top row after the least scrolling that shows a scrollable row in full
// (or at the top, when it is taller than the scrolling area).
int topRowShowing(const Geometry& g, int row);

// Which scroll bars an area of outerWidth x outerHeight needs for content of
// the given size, given that each bar takes room from the other direction.
struct ScrollBars {
    bool horizontal = false, vertical = false;
};
ScrollBars scrollBarsNeeded(int contentWidth, int contentHeight, int outerWidth, int outerHeight,
                            int verticalBarWidth, int horizontalBarHeight);

// The square of a check box at the start of a cell, centred vertically.
Rect checkBoxRect(const Rect& cell, int size, int margin);

// A picture of width x height placed in a cell without scaling: the part of
// the cell it covers and the picture pixel shown at that part's top left.
struct Placement {
    Rect target;
    int sourceX = 0, sourceY = 0;
};
Placement placePicture(const Rect& cell, int width, int height, package::CellHAlign hAlign,
                       package::CellVAlign vAlign);

} // namespace grid
