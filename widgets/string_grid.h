#pragma once
// The string grid of the font selection page: rows of cells holding a text,
// a check box or a picture, a fixed header row, whole-row selection, and
// check boxes the user flips with the mouse or the Space key. Only the rows
// on screen are painted, so a grid of thousands of rows stays quick to
// repaint; a flip repaints that one cell and raises OnCheckBoxClick.
#include "imaging/picture.h"
#include "package/font_grid.h"
#include "widgets/control.h"
#include "widgets/grid_layout.h"
#include "widgets/handles.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class PictureCanvas;

class StringGrid : public Control, public package::FontGrid {
  public:
    struct FontSpec {
        std::string face;
        int height;
        bool bold;
        BYTE charset;
    };
    // The selected rows, first to last inclusive; never a fixed row.
    struct Selection {
        int first, last;
    };

    StringGrid(std::string name, Bounds bounds);
    ~StringGrid() override;

    // Layout data of the form.
    void setColWidths(std::vector<int> widths);
    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int ColWidth(int col) const;
    void setFixedRows(int count);
    int FixedRows() const { return fixedRows_; }
    void setRowHeight(int row, int height);
    int RowHeight(int row) const { return heights_.of(row); }
    void setCellFont(const FontSpec& font);
    void setHeaderFont(const FontSpec& font);
    void setGridLineColor(COLORREF color);
    void setFixedLineColor(COLORREF color);

    // A count below 1 becomes 1; when the count is not above the fixed rows,
    // the fixed rows drop to count - 1 and row 0 keeps its texts.
    int RowCount() const { return rowCount_; }
    void setRowCount(int count) override;
    // Drops every per-row height, the fixed rows' included.
    int DefaultRowHeight() const { return heights_.defaultHeight(); }
    void setDefaultRowHeight(int height) override;

    // Cell operations. Those that put something into a cell raise
    // EInvalidGridOperation "Invalid cell" for a cell outside the grid.
    // The box keeps its state itself whatever `data` says: no caller keeps
    // check states in cell texts, so the text is never touched.
    void AddCheckBox(int col, int row, bool state, bool data);
    const std::string& Cells(int col, int row) const;
    void setCell(int col, int row, const std::string& text) override;
    // Refers to the picture without owning it; drawn unscaled, and with
    // `transparent` its bottom-left pixel's colour is left out.
    void AddBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                   package::CellHAlign hAlign, package::CellVAlign vAlign);
    // True exactly when the cell holds a check box, which then gives its state.
    bool GetCheckBoxState(int col, int row, bool& state) const;

    // Raised after the user has flipped a box, with the new state.
    std::function<void(Component& sender, int col, int row, bool state)> OnCheckBoxClick;

    // The current row (which Space acts on), the selected rows and the first
    // scrollable row on screen.
    int Row() const { return currentRow_; }
    Selection selection() const;
    int TopRow() const { return topRow_; }

    // package::FontGrid, for the package scan and the selection recount.
    int rowCount() const override { return RowCount(); }
    void addCheckBox(int col, int row, bool state, bool data) override {
        AddCheckBox(col, row, state, data);
    }
    void addBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                   package::CellHAlign hAlign, package::CellVAlign vAlign) override {
        AddBitmap(col, row, picture, transparent, hAlign, vAlign);
    }
    bool getCheckBoxState(int col, int row, bool& state) const override {
        return GetCheckBoxState(col, row, state);
    }

  protected:
    const char* className() const override { return "ZarnikStringGrid"; }
    DWORD style() const override { return WS_TABSTOP | WS_BORDER; }
    void paint(HDC dc, const RECT& client) override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    enum class Check : unsigned char { None, Unchecked, Checked };
    struct Cell {
        std::string text;
        std::wstring shown; // the text as drawn, converted once when set
        const imaging::Picture* picture = nullptr;
        Check check = Check::None;
        bool transparent = false;
        package::CellHAlign hAlign = package::CellHAlign::Left;
        package::CellVAlign vAlign = package::CellVAlign::Top;
    };

    bool validCell(int col, int row) const;
    Cell& cellForWrite(int col, int row);
    const Cell& cell(int col, int row) const { return cells_[row * ColCount() + col]; }
    grid::Geometry geometry() const;

    // Input.
    void mouseDown(int x, int y, bool extend);
    void mouseMove(int y);
    void endDrag();
    void keyDown(WPARAM key, bool extend);
    void flip(int col, int row);
    void select(int row, bool extend);
    void moveCurrentRow(int delta, bool extend);

    // Scrolling.
    void layoutChanged();
    void updateScrollBars();
    void setTopRow(int row);
    void setScrollX(int x);
    void scrollRowIntoView(int row);
    void verticalScroll(int code);
    void horizontalScroll(int code);
    void wheel(int delta);
    int trackPosition(int bar) const;

    // Painting.
    bool onScreen() const;
    void invalidateRows(int first, int last);
    void invalidateCell(int col, int row);
    void invalidateSelection();
    void paintFixedRow(HDC dc, const grid::Geometry& g, int row, const grid::Rect& limit);
    void paintRow(HDC dc, const grid::Geometry& g, int row, const grid::Rect& limit);
    void paintSelection(HDC dc, const grid::Rect& row) const;
    void paintCellContent(HDC dc, const Cell& cell, const grid::Rect& inner);
    void paintCheckBox(HDC dc, const grid::Rect& inner, bool checked) const;
    void paintBorder();

    std::vector<int> colWidths_{64, 64, 64, 64, 64};
    int rowCount_ = 5;
    int fixedRows_ = 1;
    grid::RowHeights heights_{24};
    std::vector<Cell> cells_;

    int currentRow_ = 1;
    int anchorRow_ = 1;
    int topRow_ = 1;
    int scrollX_ = 0;
    int wheelRemainder_ = 0;
    bool dragging_ = false;
    bool updatingScrollBars_ = false;
    std::optional<grid::Rect> paintLimit_;

    COLORREF gridLineColor_ = RGB(192, 192, 192);
    COLORREF fixedLineColor_ = RGB(192, 192, 192);
    UniqueFont cellFont_;
    UniqueFont headerFont_;
    UniqueBrush gridLineBrush_;
    UniqueBrush fixedLineBrush_;
    UniqueBrush backgroundBrush_;
    UniqueBrush selectionBorderBrush_;
    UniqueBrush inactiveSelectionBorderBrush_;
    UniqueBrush frameBrush_;
    UniquePen checkPen_;
    std::unique_ptr<PictureCanvas> canvas_;
};
