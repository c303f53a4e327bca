#pragma once
// What the package scan and the selection recount need of the font grid: the
// selection page's grid implements it, the tests hand in a double.
#include "imaging/picture.h"

#include <string>

namespace package {

enum class CellHAlign { Left, Right, Center, BeforeText, AfterText, Full };
enum class CellVAlign { Top, Bottom, Center, UnderText, AboveText, Full };

class FontGrid {
  public:
    virtual ~FontGrid() = default;

    virtual void setRowCount(int count) = 0;
    virtual int rowCount() const = 0;
    virtual void setDefaultRowHeight(int height) = 0;
    // Raises EInvalidGridOperation "Invalid cell" for a cell outside the grid.
    // With data false the box holds its own state and the cell text is kept.
    virtual void addCheckBox(int col, int row, bool state, bool data) = 0;
    virtual void setCell(int col, int row, const std::string& text) = 0;
    // The grid only refers to the picture; its owner keeps it alive.
    virtual void addBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                           CellHAlign hAlign, CellVAlign vAlign) = 0;
    // True exactly when the cell holds a check box, which then gives its state.
    virtual bool getCheckBoxState(int col, int row, bool& state) const = 0;
};

} // namespace package
