#pragma once
// The font grid the timing program fills: only the check boxes are kept,
// which is all the installation run reads back through the selection.
#include "package/font_grid.h"
#include "system/errors.h"

#include <vector>

class RowGrid : public package::FontGrid {
  public:
    void setRowCount(int count) override { boxes_.assign(count, Box{}); }
    int rowCount() const override { return static_cast<int>(boxes_.size()); }
    void setDefaultRowHeight(int) override {}
    void addCheckBox(int col, int row, bool state, bool) override {
        check(col, row);
        boxes_[row] = Box{true, state};
    }
    void setCell(int col, int row, const std::string&) override { check(col, row); }
    void addBitmap(int col, int row, const imaging::Picture*, bool, package::CellHAlign,
                   package::CellVAlign) override {
        check(col, row);
    }
    bool getCheckBoxState(int col, int row, bool& state) const override {
        if (col != 0 || row < 0 || row >= rowCount() || !boxes_[row].present)
            return false;
        state = boxes_[row].checked;
        return true;
    }

  private:
    struct Box {
        bool present = false;
        bool checked = false;
    };
    static constexpr int columns = 4;

    void check(int col, int row) const {
        if (col < 0 || col >= columns || row < 0 || row >= rowCount())
            throw EInvalidGridOperation("Invalid cell");
    }

    std::vector<Box> boxes_;
};
